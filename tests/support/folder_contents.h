#pragma once
// Every entry of a folder with its bytes (empty for anything but a file): two snapshots
// compare equal only when nothing in the folder was added, removed or changed.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/file_bytes.h"

namespace testsupport {

inline std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        entries[entry.path().filename().string()] =
            entry.is_regular_file() ? readBytes(entry.path().string()) : std::string();
    return entries;
}

}  // namespace testsupport
