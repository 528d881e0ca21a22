#pragma once
// The decoders behind decodePicture, one per format.

#include <cstdint>
#include <span>
#include <string>

#include "runtime/system/picture.h"

namespace rt::detail {

PictureResult decodeJpeg(std::span<const std::uint8_t> bytes);
PictureResult decodePcx(std::span<const std::uint8_t> bytes);
// GIF and BMP go through Qt's image readers.
PictureResult decodeWithQt(std::span<const std::uint8_t> bytes, const char* format);
// Why a GIF or BMP file does not hold a whole picture (cut short, a damaged block or code);
// empty when it does.
std::string gifDamage(std::span<const std::uint8_t> bytes);
std::string bmpDamage(std::span<const std::uint8_t> bytes);

}  // namespace rt::detail
