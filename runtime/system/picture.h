#pragma once
// Decoded pictures (JPEG, GIF, BMP, PCX) for image controls and printed pages.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace rt {

// A decoded picture: pixels row by row from the top left, each 0xAARRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

enum class PictureFormat { Unknown, Jpeg, Gif, Bmp, Pcx };

// Either a picture or the reason it could not be read (error is empty on success).
struct PictureResult {
    Picture picture;
    std::string error;

    bool ok() const { return error.empty(); }
};

// The largest picture accepted, in pixels; larger ones are refused before any allocation.
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

// The format told by the first bytes; the file name plays no part.
PictureFormat detectPictureFormat(std::span<const std::uint8_t> bytes);

// Decodes a picture held in memory (a file's bytes or a BLOB).
PictureResult decodePicture(std::span<const std::uint8_t> bytes);

// Reads and decodes a picture file.
PictureResult loadPictureFile(const std::filesystem::path& path);

// Reads a whole file; false when it cannot be read.
bool readFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out);

}  // namespace rt
