// PCX pictures: 8-bit paletted (one plane, the palette after the image data) and 24-bit
// (three planes of 8 bits, red, green and blue in turn on each line), run-length encoded.

#include <cstdint>

#include "runtime/system/picture_decoders.h"

namespace rt::detail {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteSize = 769;  // marker byte 12 and 256 RGB triples

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
    if (bitsPerPixel != 8 || (planes != 1 && planes != 3))
        return fail("only 8-bit paletted and 24-bit pictures are supported");
    if (xMax < xMin || yMax < yMin) return fail("bad picture window");
    const std::int64_t width = static_cast<std::int64_t>(xMax) - xMin + 1;
    const std::int64_t height = static_cast<std::int64_t>(yMax) - yMin + 1;
    if (bytesPerLine < width) return fail("line length shorter than the picture width");
    if (width * height > kMaxPicturePixels) return fail("picture too large");

    std::span<const std::uint8_t> data = bytes.subspan(kHeaderSize);
    std::span<const std::uint8_t> palette;
    if (planes == 1) {
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
            unsigned r, g, b;
            if (planes == 1) {
                const std::size_t index = static_cast<std::size_t>(line[x]) * 3;
                r = palette[index], g = palette[index + 1], b = palette[index + 2];
            } else {
                r = line[x], g = line[bytesPerLine + x], b = line[2 * bytesPerLine + x];
            }
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    return result;
}

}  // namespace rt::detail
