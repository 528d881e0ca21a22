// JPEG through libjpeg. libjpeg reports fatal errors by calling error_exit, which must not
// return: it jumps back to the setjmp point here. Everything that lives across that jump is
// plain data owned by the caller, so the jump skips no destructor.

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

#include "runtime/system/picture_decoders.h"

namespace rt::detail {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are silent; a file that ends early is remembered and refused afterwards.
void onMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0) {
        if (info->err->msg_code == JWRN_JPEG_EOF) errors->truncated = true;
        info->err->num_warnings++;
    }
}

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// One scan line into 0xAARRGGBB pixels. libjpeg does not turn CMYK into RGB, so it is done
// here; Adobe's files store the ink values inverted (255 = no ink).
void convertLine(const JSAMPLE* in, std::uint32_t* out, int width, int components,
                 J_COLOR_SPACE space, bool adobeInverted) {
    for (int x = 0; x < width; ++x) {
        const JSAMPLE* p = in + x * components;
        if (space == JCS_GRAYSCALE) {
            out[x] = rgb(p[0], p[0], p[0]);
        } else if (space == JCS_CMYK) {
            unsigned c = p[0], m = p[1], y = p[2], k = p[3];
            if (!adobeInverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            // Now each value is 255 for no ink.
            out[x] = rgb(c * k / 255, m * k / 255, y * k / 255);
        } else {
            out[x] = rgb(p[0], p[1], p[2]);
        }
    }
}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    JSAMPLE* line = nullptr;
};

// Returns false with errors.message set when libjpeg gave up.
bool runDecoder(Decoding& d, std::span<const std::uint8_t> bytes, Picture& picture,
                std::string& error) {
    if (setjmp(d.errors.jump)) {
        error = d.errors.message;
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);

    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        d.info.out_color_space = JCS_CMYK;
    } else if (d.info.jpeg_color_space == JCS_GRAYSCALE) {
        d.info.out_color_space = JCS_GRAYSCALE;
    } else {
        d.info.out_color_space = JCS_RGB;
    }
    const std::int64_t pixels = static_cast<std::int64_t>(d.info.image_width) *
                                static_cast<std::int64_t>(d.info.image_height);
    if (pixels <= 0 || pixels > kMaxPicturePixels) {
        error = "JPEG picture too large";
        return false;
    }
    jpeg_start_decompress(&d.info);
    const int width = static_cast<int>(d.info.output_width);
    const int height = static_cast<int>(d.info.output_height);
    const int components = d.info.output_components;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
    d.line = static_cast<JSAMPLE*>(std::malloc(static_cast<std::size_t>(width) * components));
    if (!d.line) {
        error = "out of memory";
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        const int y = static_cast<int>(d.info.output_scanline);
        JSAMPROW row = d.line;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) break;
        convertLine(d.line, &picture.pixels[static_cast<std::size_t>(y) * width], width, components,
                    d.info.out_color_space, d.info.saw_Adobe_marker);
    }
    if (d.errors.truncated) {
        error = "JPEG picture ends early";
        return false;
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

}  // namespace

PictureResult decodeJpeg(std::span<const std::uint8_t> bytes) {
    PictureResult result;
    // Heap-held so that nothing on this frame changes between setjmp and longjmp.
    auto* d = new Decoding{};
    d->info.err = jpeg_std_error(&d->errors.base);
    d->errors.base.error_exit = onError;
    d->errors.base.emit_message = onMessage;
    d->errors.truncated = false;
    d->errors.message[0] = '\0';
    if (!runDecoder(*d, bytes, result.picture, result.error)) {
        if (result.error.empty()) result.error = "cannot decode JPEG picture";
        result.error = "JPEG: " + result.error;
        result.picture = Picture{};
    }
    jpeg_destroy_decompress(&d->info);
    std::free(d->line);
    delete d;
    return result;
}

}  // namespace rt::detail
