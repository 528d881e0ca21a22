#pragma once
// The program's icons, cursors and pictures, found by file name in the resources folder
// without regard to letter case or folder: "C:\ICO\CRDFLE04.ICO", "~PC04.ICO" and
// "crdfle04.ico" all name icons/CRDFLE04.ICO. A name that is found nowhere gives a null
// result, and the caller carries on without the picture.

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "runtime/system/resource_lookup.h"

namespace rt::qt {

// The lookup itself is the runtime's (runtime/system/resource_lookup.h).
using rt::findResource;
using rt::resourceFolders;
using rt::setResourceFolder;

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
