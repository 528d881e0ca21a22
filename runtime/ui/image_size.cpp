#include "runtime/ui/image_size.h"

#include <cstdint>

namespace rt {
namespace {

unsigned byteAt(std::string_view b, std::size_t i) {
    return static_cast<unsigned char>(b[i]);
}
unsigned big16(std::string_view b, std::size_t i) {
    return byteAt(b, i) << 8 | byteAt(b, i + 1);
}
unsigned little16(std::string_view b, std::size_t i) {
    return byteAt(b, i) | byteAt(b, i + 1) << 8;
}
std::uint32_t big32(std::string_view b, std::size_t i) {
    return big16(b, i) << 16 | big16(b, i + 2);
}
std::int32_t little32(std::string_view b, std::size_t i) {
    return static_cast<std::int32_t>(little16(b, i) | little16(b, i + 2) << 16);
}

std::optional<std::pair<int, int>> jpegSize(std::string_view b) {
    std::size_t i = 2;
    while (i + 9 < b.size()) {
        if (byteAt(b, i) != 0xFF) return std::nullopt;
        unsigned marker = byteAt(b, i + 1);
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        unsigned length = big16(b, i + 2);
        bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return std::pair<int, int>(big16(b, i + 7), big16(b, i + 5));
        i += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::pair<int, int>> pictureSizeFromBytes(std::string_view b) {
    if (b.size() >= 24 && b.substr(0, 8) == "\x89PNG\r\n\x1a\n")
        return std::pair<int, int>(static_cast<int>(big32(b, 16)), static_cast<int>(big32(b, 20)));
    if (b.size() >= 10 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a"))
        return std::pair<int, int>(little16(b, 6), little16(b, 8));
    if (b.size() >= 26 && b.substr(0, 2) == "BM") {
        std::int32_t h = little32(b, 22);
        return std::pair<int, int>(little32(b, 18), h < 0 ? -h : h);
    }
    if (b.size() >= 4 && byteAt(b, 0) == 0xFF && byteAt(b, 1) == 0xD8) return jpegSize(b);
    return std::nullopt;
}

std::pair<int, int> pixelsToDialogUnits(std::pair<int, int> pixels, int charWidth, int charHeight) {
    auto scaled = [](int px, int units, int cell) {
        if (cell <= 0) return 0;
        long long p = static_cast<long long>(px) * units;
        return static_cast<int>((p + cell / 2) / cell);
    };
    return {scaled(pixels.first, 4, charWidth), scaled(pixels.second, 8, charHeight)};
}

}  // namespace rt
