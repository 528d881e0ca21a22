#pragma once
// The natural size of a picture: in pixels from its header, and in dialog units.

#include <optional>
#include <string_view>
#include <utility>

namespace rt {

// The size in pixels of a PNG, GIF, BMP or JPEG picture, read from its header.
std::optional<std::pair<int, int>> pictureSizeFromBytes(std::string_view bytes);

// Pixels as dialog units of a font whose average character cell is `charWidth` by
// `charHeight` pixels: a unit is a quarter of the width across and an eighth of the height
// down; rounded to the nearest unit, halves up.
std::pair<int, int> pixelsToDialogUnits(std::pair<int, int> pixels, int charWidth, int charHeight);

}  // namespace rt
