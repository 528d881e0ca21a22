#pragma once
// Names of files and folders a user names. A name stays the file system's own name (UTF-8
// bytes here) from the file dialog to the call that opens the file; it becomes code-page text
// only where an entry or a record keeps it, and a message shows it through shownFileName.
// Every place that opens a file a user named goes through these; none converts on its own.

#include <filesystem>
#include <string>
#include <string_view>

namespace rt {

// The path to open for a file system name, blanks at its end dropped.
std::filesystem::path userFilePath(std::string_view fileSystemName);

// The file system name of a name an entry or a record holds (code-page text).
std::string fileSystemNameOf(std::string_view recordText);

// A file system name as code-page text, for an entry or a record. `unstorable` is the first
// character (as UTF-8) the code page lacks, empty when the whole name converts; `text` then
// shows each such character as '?'.
struct StoredFileName {
    std::string text;
    std::string unstorable;
};
StoredFileName storedFileName(std::string_view fileSystemName);

// A file system name as a message shows it (code-page text).
std::string shownFileName(std::string_view fileSystemName);

}  // namespace rt
