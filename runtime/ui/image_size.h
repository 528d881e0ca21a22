#pragma once
// The natural size in pixels of a PNG, GIF, BMP or JPEG picture, read from its header.

#include <optional>
#include <string_view>
#include <utility>

namespace rt {

std::optional<std::pair<int, int>> pictureSizeFromBytes(std::string_view bytes);

}  // namespace rt
