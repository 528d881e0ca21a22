#pragma once
// A file name entry beside a file dialog (the pictures' "Image File Name", the report's
// print file): the entry shows the name as code-page text, cut to its width, while the whole
// file system name chosen in the dialog is kept. The file the entry names is that chosen name
// while the entry still shows it, otherwise the name typed into it.

#include <span>
#include <string>
#include <string_view>

class FileNameEntry {
  public:
    // Takes the name chosen in the dialog and writes what the entry shows into `entry` (blank
    // padded). Answers the first character the entry cannot hold (as UTF-8), empty when none.
    std::string choose(std::string_view fileSystemName, std::span<char> entry);
    // The file system name of the file the entry names; empty for a blank entry.
    std::string named(std::string_view entry) const;
    // The name chosen in the dialog (the dialog's suggestion next time).
    const std::string& chosen() const { return chosen_; }
    void forget() { chosen_.clear(); }

  private:
    std::string chosen_;
    std::string shown_;  // what the entry showed of it, blank padded to the entry's width
};

// The message that the entry could not hold a character of the name `fileSystemName`.
std::string unstorableNameMessage(std::string_view fileSystemName, std::string_view character,
                                  std::string_view entryName);
