#pragma once
// The program's icons, cursors and pictures, found by file name in the resources folder
// without regard to letter case or folder: "C:\ICO\CRDFLE04.ICO", "~PC04.ICO" and
// "crdfle04.ico" all name icons/CRDFLE04.ICO. A name that is found nowhere gives a null
// result, and the caller carries on without the picture.
//
// The resources folder is looked for, in this order: the folder set by setResourceFolder(),
// $TOVIK_RESOURCES, "resources" next to the executable or in one of its parent folders (the
// build tree usually lies inside the source tree), "resources" in the working directory,
// and last the source tree's resources folder, compiled in.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt::qt {

// Puts `folder` first in the search (an installed program, a test).
void setResourceFolder(const std::filesystem::path& folder);
std::vector<std::filesystem::path> resourceFolders();

// The file a picture name stands for: the name as given when such a file exists, else the
// file of that name (case ignored, leading "~" and any path dropped) in the resources.
std::optional<std::filesystem::path> findResource(std::string_view name);

// A built-in picture named by number ("32514"): the style's standard icon; null otherwise.
QIcon builtinIcon(std::string_view name);

// By name, through findResource; what was read once is kept until its file changes.
QIcon loadIcon(std::string_view name);
std::optional<QCursor> loadCursor(std::string_view name);
// A picture file (JPEG, GIF, BMP, PCX, ICO, PNG); a null image when missing or unreadable.
QImage loadPicture(std::string_view name);

// The same from a file, read every time.
QIcon readIcon(const std::filesystem::path& file);
std::optional<QCursor> readCursor(const std::filesystem::path& file);
QImage readPicture(const std::filesystem::path& file);
QImage decodePictureBytes(std::string_view bytes);

}  // namespace rt::qt
