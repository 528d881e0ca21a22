#include "runtime/system/picture.h"

#include <fstream>

#include "runtime/system/picture_decoders.h"

namespace rt {

PictureFormat detectPictureFormat(std::span<const std::uint8_t> b) {
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return PictureFormat::Jpeg;
    if (b.size() >= 6 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8')
        return PictureFormat::Gif;
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return PictureFormat::Bmp;
    // PCX: manufacturer 10, a known version, run-length encoding 1.
    if (b.size() >= 128 && b[0] == 0x0A && b[1] <= 5 && b[2] == 1) return PictureFormat::Pcx;
    return PictureFormat::Unknown;
}

namespace {

// A picture is taken only when its file holds it whole.
PictureResult wholeThenQt(std::span<const std::uint8_t> bytes, const std::string& damage,
                          const char* format) {
    if (damage.empty()) return detail::decodeWithQt(bytes, format);
    PictureResult result;
    result.error = std::string(format) + ": " + damage;
    return result;
}

}  // namespace

PictureResult decodePicture(std::span<const std::uint8_t> bytes) {
    switch (detectPictureFormat(bytes)) {
        case PictureFormat::Jpeg:
            return detail::decodeJpeg(bytes);
        case PictureFormat::Gif:
            return wholeThenQt(bytes, detail::gifDamage(bytes), "GIF");
        case PictureFormat::Bmp:
            return wholeThenQt(bytes, detail::bmpDamage(bytes), "BMP");
        case PictureFormat::Pcx:
            return detail::decodePcx(bytes);
        case PictureFormat::Unknown:
            break;
    }
    PictureResult result;
    result.error = bytes.empty() ? "empty picture" : "not a JPEG, GIF, BMP or PCX picture";
    return result;
}

bool readFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) return false;
    return true;
}

PictureResult loadPictureFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes)) {
        PictureResult result;
        result.error = "cannot read picture file " + path.string();
        return result;
    }
    return decodePicture(bytes);
}

}  // namespace rt
