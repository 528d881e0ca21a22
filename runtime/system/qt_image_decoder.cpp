// GIF and BMP through Qt's image readers (no window system needed).

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "runtime/system/picture_decoders.h"

namespace rt::detail {

PictureResult decodeWithQt(std::span<const std::uint8_t> bytes, const char* format) {
    PictureResult result;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.isValid() &&
        static_cast<std::int64_t>(size.width()) * size.height() > kMaxPicturePixels) {
        result.error = std::string(format) + ": picture too large";
        return result;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = std::string(format) + ": " + reader.errorString().toStdString();
        return result;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    Picture& picture = result.picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(line, line + picture.width,
                  &picture.pixels[static_cast<std::size_t>(y) * picture.width]);
    }
    return result;
}

}  // namespace rt::detail
