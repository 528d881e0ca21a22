// GIF and BMP files walked from end to end before Qt's readers decode them: those readers
// take a file cut short or damaged and fill what is missing with black.

#include <cstdint>
#include <vector>

#include "runtime/system/picture_decoders.h"

namespace rt::detail {
namespace {

std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

// The data sub-blocks from `at`, up to their terminating empty block, joined; false when the
// file ends before it.
bool readSubBlocks(std::span<const std::uint8_t> b, std::size_t& at,
                   std::vector<std::uint8_t>* out) {
    while (true) {
        if (at >= b.size()) return false;
        const std::size_t length = b[at++];
        if (length == 0) return true;
        if (length > b.size() - at) return false;
        if (out)
            out->insert(out->end(), b.begin() + static_cast<std::ptrdiff_t>(at),
                        b.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    }
}

// Runs the LZW codes of one image without keeping the pixels: an error when a code is not
// yet defined or the codes end before every pixel has its index.
std::string lzwDamage(const std::vector<std::uint8_t>& data, unsigned minimumCodeSize,
                      std::uint64_t pixels) {
    if (minimumCodeSize < 2 || minimumCodeSize > 11) return "bad LZW code size";
    const unsigned clear = 1u << minimumCodeSize, end = clear + 1;
    // The length of each code's string: enough to count the pixels a code stands for.
    std::vector<std::uint32_t> length(4096, 0);
    for (unsigned c = 0; c < clear; ++c)
        length[c] = 1;
    unsigned codeSize = minimumCodeSize + 1, next = end + 1;
    int previous = -1;
    std::uint64_t produced = 0, bitAt = 0;
    const std::uint64_t bits = static_cast<std::uint64_t>(data.size()) * 8;
    while (produced < pixels) {
        if (bitAt + codeSize > bits) return "image data ends early";
        unsigned code = 0;
        for (unsigned i = 0; i < codeSize; ++i, ++bitAt)
            code |= ((data[bitAt / 8] >> (bitAt % 8)) & 1u) << i;
        if (code == clear) {
            codeSize = minimumCodeSize + 1, next = end + 1, previous = -1;
            continue;
        }
        if (code == end) break;
        std::uint32_t produces;
        if (code < next && length[code] > 0) {
            produces = length[code];
        } else if (code == next && previous >= 0) {
            produces = length[previous] + 1;  // the previous string and its own first index
        } else {
            return "bad LZW code";
        }
        if (previous >= 0 && next < 4096) {
            length[next++] = length[previous] + 1;
            if (next == (1u << codeSize) && codeSize < 12) ++codeSize;
        }
        previous = static_cast<int>(code);
        produced += produces;
    }
    if (produced < pixels) return "image data ends early";
    return {};
}

}  // namespace

std::string gifDamage(std::span<const std::uint8_t> b) {
    if (b.size() < 13) return "file shorter than its header";
    std::size_t at = 13;
    if (b[10] & 0x80) at += 3u << ((b[10] & 7) + 1);
    int images = 0;
    while (true) {
        if (at >= b.size()) return "file ends before its trailer";
        const std::uint8_t block = b[at++];
        if (block == 0x3B) return images > 0 ? std::string() : "no image";
        if (block == 0x21) {
            if (at >= b.size()) return "file ends inside an extension";
            ++at;  // the extension's label
            if (!readSubBlocks(b, at, nullptr)) return "file ends inside an extension";
            continue;
        }
        if (block != 0x2C) return "unknown block";
        if (b.size() - at < 9) return "file ends inside an image descriptor";
        const std::uint64_t pixels = static_cast<std::uint64_t>(u16(b, at + 4)) * u16(b, at + 6);
        const std::uint8_t flags = b[at + 8];
        at += 9;
        if (flags & 0x80) at += 3u << ((flags & 7) + 1);
        if (at >= b.size()) return "file ends before the image data";
        const unsigned codeSize = b[at++];
        std::vector<std::uint8_t> data;
        if (!readSubBlocks(b, at, &data)) return "image data ends early";
        if (std::string damage = lzwDamage(data, codeSize, pixels); !damage.empty()) return damage;
        ++images;
    }
}

std::string bmpDamage(std::span<const std::uint8_t> b) {
    if (b.size() < 26) return "file shorter than its header";
    const std::uint64_t offBits = u32(b, 10);
    const std::uint32_t headerSize = u32(b, 14);
    std::int64_t width, height;
    std::uint32_t bitCount, compression = 0;
    if (headerSize == 12) {
        width = u16(b, 18), height = u16(b, 20), bitCount = u16(b, 24);
    } else {
        if (headerSize < 40 || b.size() < 54) return "file shorter than its header";
        width = static_cast<std::int32_t>(u32(b, 18));
        height = static_cast<std::int32_t>(u32(b, 22));
        bitCount = u16(b, 28), compression = u32(b, 30);
    }
    if (height < 0) height = -height;
    if (width <= 0 || height == 0) return "bad picture size";
    if (offBits > b.size()) return "file ends before the image data";
    if (compression == 1 || compression == 2) {
        // Run-length encoded (8 or 4 bits): the runs must reach the end-of-picture mark.
        const bool four = compression == 2;
        std::size_t at = offBits;
        while (true) {
            if (b.size() - at < 2) return "image data ends early";
            const std::uint8_t count = b[at], value = b[at + 1];
            at += 2;
            if (count > 0 || value == 0) continue;  // a run, or the end of a line
            if (value == 1) return {};              // the end of the picture
            if (value == 2) {                       // a move: two bytes
                if (b.size() - at < 2) return "image data ends early";
                at += 2;
                continue;
            }
            std::size_t bytes = four ? (value + 1u) / 2 : value;  // pixels given one by one
            bytes += bytes & 1;
            if (b.size() - at < bytes) return "image data ends early";
            at += bytes;
        }
    }
    if (compression != 0 && compression != 3 && compression != 6) return "unknown compression";
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(bitCount) * width + 31) / 32 * 4;
    if (rowBytes * static_cast<std::uint64_t>(height) > b.size() - offBits)
        return "image data ends early";
    return {};
}

}  // namespace rt::detail
