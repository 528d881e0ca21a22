#include "tests/runtime/system/picture_samples.h"

#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace samples {

Bytes jpeg(JpegKind kind) {
    constexpr int width = 16, height = 8;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    const bool cmyk = kind == JpegKind::CmykAdobe || kind == JpegKind::CmykPlain;
    info.input_components = kind == JpegKind::Grey ? 1 : cmyk ? 4 : 3;
    info.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (cmyk) {
        jpeg_set_colorspace(&info, JCS_CMYK);
        info.write_Adobe_marker = kind == JpegKind::CmykAdobe;
    }
    if (kind == JpegKind::Progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> line(static_cast<std::size_t>(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &line[static_cast<std::size_t>(x) * info.input_components];
            const bool left = x < width / 2;
            switch (kind) {
                case JpegKind::Grey:
                    p[0] = left ? 0 : 255;
                    break;
                case JpegKind::CmykAdobe:  // Adobe stores 255 for no ink
                    p[0] = left ? 255 : 0, p[1] = left ? 0 : 0, p[2] = left ? 0 : 255, p[3] = 255;
                    break;
                case JpegKind::CmykPlain:  // 0 for no ink
                    p[0] = left ? 0 : 255, p[1] = 255, p[2] = left ? 255 : 0, p[3] = 0;
                    break;
                default:
                    p[0] = left ? 255 : 0, p[1] = 0, p[2] = left ? 0 : 255;
            }
        }
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes result(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

Bytes bmp() {
    QImage image(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, qRgb(255, 0, 0));
        image.setPixel(x, 1, qRgb(0, 0, 255));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return Bytes(buffer.data().begin(), buffer.data().end());
}

// Qt writes no GIF, so this one is put together by hand: two colours, and a clear code
// before every two pixels keeps every LZW code 3 bits wide.
Bytes gif() {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 2, 0, 0x80, 0, 0};
    const Bytes palette = {255, 0, 0, 0, 0, 255};  // colour 0 red, colour 1 blue
    out.insert(out.end(), palette.begin(), palette.end());
    const Bytes descriptor = {0x2C, 0, 0, 0, 0, 4, 0, 2, 0, 0};
    out.insert(out.end(), descriptor.begin(), descriptor.end());
    out.push_back(2);  // minimum code size
    const int pixels[] = {0, 0, 0, 0, 1, 1, 1, 1};
    std::vector<int> codes;
    for (int i = 0; i < 8; i += 2)
        codes.insert(codes.end(), {4, pixels[i], pixels[i + 1]});
    codes.push_back(5);
    Bytes data;
    unsigned bits = 0, count = 0;
    for (int code : codes) {
        bits |= static_cast<unsigned>(code) << count;
        count += 3;
        while (count >= 8)
            data.push_back(bits & 0xFF), bits >>= 8, count -= 8;
    }
    if (count > 0) data.push_back(bits & 0xFF);
    out.push_back(static_cast<std::uint8_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(0);     // no more blocks
    out.push_back(0x3B);  // trailer
    return out;
}

namespace {

Bytes pcxHeader(int planes, int bytesPerLine, int bitsPerPixel = 8) {
    Bytes header(128, 0);
    header[0] = 0x0A, header[1] = 5, header[2] = 1;
    header[3] = static_cast<std::uint8_t>(bitsPerPixel);
    header[8] = 3, header[10] = 1;  // window 0..3 x 0..1
    header[65] = static_cast<std::uint8_t>(planes);
    header[66] = static_cast<std::uint8_t>(bytesPerLine);
    return header;
}

// The header's 16-colour palette: index 1 red, index 4 blue.
void headerPalette(Bytes& header) {
    header[16 + 3] = 255;
    header[16 + 12 + 2] = 255;
}

}  // namespace

Bytes pcx1() {
    Bytes out = pcxHeader(1, 2, 1);
    // Row 0 white (bits 1), row 1 black; 0xF0 must be written as a run.
    const Bytes data = {0xC1, 0xF0, 0x00, 0xC2, 0x00};
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes pcx4Planes() {
    Bytes out = pcxHeader(4, 2, 1);
    headerPalette(out);
    // Row 0 index 1 (plane 0 set), row 1 index 4 (plane 2 set); each plane 2 bytes a line.
    const Bytes data = {0xC1, 0xF0, 0xC7, 0x00, 0xC4, 0x00, 0xC1, 0xF0, 0xC3, 0x00};
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes pcx4Packed() {
    Bytes out = pcxHeader(1, 2, 4);
    headerPalette(out);
    const Bytes data = {0x11, 0x11, 0x44, 0x44};  // two pixels a byte
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes pcx8() {
    Bytes out = pcxHeader(1, 4);
    // Row 0: a run of four index 1; row 1: index 2 twice as a run, then two literals.
    const Bytes data = {0xC4, 1, 0xC2, 2, 2, 2};
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(12);
    Bytes palette(768, 0);
    palette[3] = 255;      // index 1 red
    palette[6 + 2] = 255;  // index 2 blue
    out.insert(out.end(), palette.begin(), palette.end());
    return out;
}

Bytes pcx24() {
    Bytes out = pcxHeader(3, 4);
    // Row 0 red (R plane 255, G 0, B 0), row 1 blue; 0xC0 and above must be written as runs.
    const Bytes data = {0xC4, 255, 0xC4, 0, 0xC4, 0, 0xC4, 0, 0xC4, 0, 0xC4, 255};
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace samples
