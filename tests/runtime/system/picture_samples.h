#pragma once
// Sample pictures made in the test: JPEGs through libjpeg's compressor, BMP through QImage,
// GIF and PCX written byte by byte.

#include <cstdint>
#include <vector>

namespace samples {

using Bytes = std::vector<std::uint8_t>;

enum class JpegKind { Rgb, Grey, Progressive, CmykAdobe, CmykPlain };

// A 16 x 8 picture: left half red, right half blue (grey: black and white halves).
Bytes jpeg(JpegKind kind);
// 4 x 2: the top row red, the bottom row blue.
Bytes bmp();
Bytes gif();
Bytes pcx1();        // black and white: the top row white, the bottom row black
Bytes pcx4Planes();  // 16 colours in four planes of one bit, the header's palette
Bytes pcx4Packed();  // 16 colours, one plane of four bits
Bytes pcx8();        // paletted
Bytes pcx24();       // three planes

}  // namespace samples
