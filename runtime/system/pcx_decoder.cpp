// PCX pictures, run-length encoded: 1-bit (black and white), 16 colours (four planes of one
// bit, or one plane of four bits, with the header's palette), 8-bit paletted (one plane, the
// palette after the image data) and 24-bit (three planes of 8 bits, red, green and blue in
// turn on each line).

#include <cstdint>

#include "runtime/system/picture_decoders.h"

namespace rt::detail {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteSize = 769;   // marker byte 12 and 256 RGB triples
constexpr std::size_t kHeaderPalette = 16;  // 16 RGB triples in the header

enum class Kind { Mono, Planar16, Packed16, Paletted256, Rgb24 };

unsigned word(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

PictureResult fail(const std::string& why) {
    PictureResult result;
    result.error = "PCX: " + why;
    return result;
}

}  // namespace

PictureResult decodePcx(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize) return fail("file shorter than its header");
    const unsigned bitsPerPixel = bytes[3];
    const unsigned xMin = word(bytes, 4), yMin = word(bytes, 6);
    const unsigned xMax = word(bytes, 8), yMax = word(bytes, 10);
    const unsigned planes = bytes[65];
    const unsigned bytesPerLine = word(bytes, 66);
    if (bytes[2] != 1) return fail("unknown encoding");
    Kind kind;
    if (bitsPerPixel == 1 && planes == 1)
        kind = Kind::Mono;
    else if (bitsPerPixel == 1 && planes == 4)
        kind = Kind::Planar16;
    else if (bitsPerPixel == 4 && planes == 1)
        kind = Kind::Packed16;
    else if (bitsPerPixel == 8 && planes == 1)
        kind = Kind::Paletted256;
    else if (bitsPerPixel == 8 && planes == 3)
        kind = Kind::Rgb24;
    else
        return fail("only 1-bit, 16-colour, 8-bit paletted and 24-bit pictures are supported");
    if (xMax < xMin || yMax < yMin) return fail("bad picture window");
    const std::int64_t width = static_cast<std::int64_t>(xMax) - xMin + 1;
    const std::int64_t height = static_cast<std::int64_t>(yMax) - yMin + 1;
    if (static_cast<std::int64_t>(bytesPerLine) * 8 < width * bitsPerPixel)
        return fail("line length shorter than the picture width");
    if (width * height > kMaxPicturePixels) return fail("picture too large");

    std::span<const std::uint8_t> data = bytes.subspan(kHeaderSize);
    std::span<const std::uint8_t> palette = bytes.subspan(16, kHeaderPalette * 3);
    if (kind == Kind::Paletted256) {
        if (data.size() < kPaletteSize || data[data.size() - kPaletteSize] != 12)
            return fail("palette missing");
        palette = data.subspan(data.size() - kPaletteSize + 1, 768);
        data = data.first(data.size() - kPaletteSize);
    }

    // Runs may cross line and plane boundaries, so the whole image is expanded at once.
    const std::size_t lineBytes = static_cast<std::size_t>(planes) * bytesPerLine;
    const std::size_t total = lineBytes * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> expanded;
    expanded.reserve(total);
    std::size_t at = 0;
    while (expanded.size() < total) {
        if (at >= data.size()) return fail("image data ends early");
        std::uint8_t value = data[at++];
        std::size_t count = 1;
        if ((value & 0xC0) == 0xC0) {
            count = value & 0x3F;
            if (at >= data.size()) return fail("image data ends early");
            value = data[at++];
        }
        if (count > total - expanded.size()) count = total - expanded.size();
        expanded.insert(expanded.end(), count, value);
    }

    PictureResult result;
    Picture& picture = result.picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<std::size_t>(width * height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* line = &expanded[static_cast<std::size_t>(y) * lineBytes];
        std::uint32_t* out = &picture.pixels[static_cast<std::size_t>(y * width)];
        for (std::int64_t x = 0; x < width; ++x) {
            if (kind == Kind::Rgb24) {
                out[x] = 0xFF000000u | (line[x] << 16) | (line[bytesPerLine + x] << 8) |
                         line[2 * bytesPerLine + x];
                continue;
            }
            unsigned index = 0;
            const std::size_t byte = static_cast<std::size_t>(x) / 8;
            const unsigned bit = 7 - static_cast<unsigned>(x % 8);
            switch (kind) {
                case Kind::Mono:
                    index = (line[byte] >> bit) & 1u;
                    break;
                case Kind::Planar16:
                    for (unsigned p = 0; p < 4; ++p)
                        index |= ((line[p * bytesPerLine + byte] >> bit) & 1u) << p;
                    break;
                case Kind::Packed16:
                    index = x % 2 ? line[x / 2] & 0x0Fu : line[x / 2] >> 4u;
                    break;
                default:
                    index = line[x];
                    break;
            }
            if (kind == Kind::Mono) {
                out[x] = index ? 0xFFFFFFFFu : 0xFF000000u;  // 0 black, 1 white
                continue;
            }
            const std::size_t entry = static_cast<std::size_t>(index) * 3;
            out[x] = 0xFF000000u | (palette[entry] << 16) | (palette[entry + 1] << 8) |
                     palette[entry + 2];
        }
    }
    return result;
}

}  // namespace rt::detail
