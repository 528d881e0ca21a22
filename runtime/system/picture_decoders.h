#pragma once
// The decoders behind decodePicture, one per format.

#include <cstdint>
#include <span>

#include "runtime/system/picture.h"

namespace rt::detail {

PictureResult decodeJpeg(std::span<const std::uint8_t> bytes);
PictureResult decodePcx(std::span<const std::uint8_t> bytes);
// GIF and BMP go through Qt's image readers.
PictureResult decodeWithQt(std::span<const std::uint8_t> bytes, const char* format);

}  // namespace rt::detail
