#pragma once
// The program's own pictures, cursors and sounds, found by the names the windows and the
// program give them ("C:\ICO\CRDFLE04.ICO", "~PC04.ICO", "C:\WINDOWS\MEDIA\Chimes.wav").
//
// The resources folder is looked for, in this order: the folder set by setResourceFolder(),
// $TOVIK_RESOURCES, a "resources" folder beside the executable or up to five folders above
// it, "resources" in the working directory, and the source tree's own folder.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace rt {

// Puts `folder` first in the search (an installed program, a test).
void setResourceFolder(const std::filesystem::path& folder);
std::vector<std::filesystem::path> resourceFolders();

// The file a name stands for: the name as given when such a file exists, else the file of
// that name (case ignored, leading "~" and any path dropped) in the resources.
std::optional<std::filesystem::path> findResource(std::string_view name);

}  // namespace rt
