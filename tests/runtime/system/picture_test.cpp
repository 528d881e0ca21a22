#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "runtime/system/picture.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/temp_dir.h"

namespace {

using samples::Bytes;

struct Rgb {
    int r, g, b;
};

Rgb rgbOf(std::uint32_t argb) {
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
            static_cast<int>(argb & 0xFF)};
}

void expectColour(const rt::Picture& picture, int x, int y, Rgb want, int tolerance) {
    const Rgb got = rgbOf(picture.pixel(x, y));
    EXPECT_NEAR(got.r, want.r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.g, want.g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.b, want.b, tolerance) << "at " << x << "," << y;
}

struct JpegCase {
    const char* name;
    samples::JpegKind kind;
    Rgb left, right;
};

TEST(Picture, JpegKindsDecodeToTheirColours) {
    const Rgb red{255, 0, 0}, blue{0, 0, 255}, black{0, 0, 0}, white{255, 255, 255};
    const JpegCase cases[] = {
        {"rgb", samples::JpegKind::Rgb, red, blue},
        {"grey", samples::JpegKind::Grey, black, white},
        {"progressive", samples::JpegKind::Progressive, red, blue},
        {"cmyk adobe", samples::JpegKind::CmykAdobe, red, blue},
        {"cmyk plain", samples::JpegKind::CmykPlain, red, blue},
    };
    for (const JpegCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = samples::jpeg(c.kind);
        EXPECT_EQ(rt::detectPictureFormat(bytes), rt::PictureFormat::Jpeg);
        const rt::PictureResult result = rt::decodePicture(bytes);
        ASSERT_TRUE(result.ok()) << result.error;
        ASSERT_EQ(result.picture.width, 16);
        ASSERT_EQ(result.picture.height, 8);
        // Away from the edge between the halves, where JPEG blurs.
        expectColour(result.picture, 2, 4, c.left, 40);
        expectColour(result.picture, 13, 4, c.right, 40);
    }
}

TEST(Picture, BmpGifAndPcxDecode) {
    const Rgb red{255, 0, 0}, blue{0, 0, 255};
    const struct {
        const char* name;
        Bytes bytes;
        rt::PictureFormat format;
    } cases[] = {
        {"bmp", samples::bmp(), rt::PictureFormat::Bmp},
        {"gif", samples::gif(), rt::PictureFormat::Gif},
        {"pcx 24-bit", samples::pcx24(), rt::PictureFormat::Pcx},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rt::detectPictureFormat(c.bytes), c.format);
        const rt::PictureResult result = rt::decodePicture(c.bytes);
        ASSERT_TRUE(result.ok()) << result.error;
        ASSERT_EQ(result.picture.width, 4);
        ASSERT_EQ(result.picture.height, 2);
        for (int x = 0; x < 4; ++x) {
            expectColour(result.picture, x, 0, red, 0);
            expectColour(result.picture, x, 1, blue, 0);
        }
    }
}

TEST(Picture, PaletteOfAnEightBitPcxIsApplied) {
    const rt::PictureResult result = rt::decodePicture(samples::pcx8());
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.picture.width, 4);
    for (int x = 0; x < 4; ++x) {
        expectColour(result.picture, x, 0, {255, 0, 0}, 0);
        expectColour(result.picture, x, 1, {0, 0, 255}, 0);
    }
}

TEST(Picture, LoadsFromAFileAndReportsAMissingOne) {
    testsupport::TempDir dir;
    const Bytes bytes = samples::pcx24();
    std::ofstream(dir / "photo.pcx", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(rt::loadPictureFile(dir / "photo.pcx").ok());
    const rt::PictureResult missing = rt::loadPictureFile(dir / "none.jpg");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.picture.empty());
}

TEST(Picture, GarbageGivesAnError) {
    const Bytes cases[] = {
        {},
        {'h', 'e', 'l', 'l', 'o'},
        {0xFF, 0xD8, 0xFF, 0x00, 0x01, 0x02},  // JPEG start, then nonsense
        {'G', 'I', 'F', '8', '9', 'a', 0, 0},
        {'B', 'M', 1, 2, 3},
    };
    for (const Bytes& bytes : cases) {
        const rt::PictureResult result = rt::decodePicture(bytes);
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.error.empty());
        EXPECT_TRUE(result.picture.empty());
    }
}

TEST(Picture, PcxWithUnsupportedDepthOrHugeWindowIsRefused) {
    Bytes fourColours = samples::pcx8();
    fourColours[3] = 2;  // 2 bits per pixel in one plane: not a Paintbrush kind we read
    EXPECT_FALSE(rt::decodePicture(fourColours).ok());
    Bytes huge = samples::pcx24();
    huge[8] = 0xFF, huge[9] = 0xFF, huge[10] = 0xFF, huge[11] = 0xFF;
    huge[66] = 0xFF, huge[67] = 0xFF;
    const rt::PictureResult result = rt::decodePicture(huge);
    EXPECT_FALSE(result.ok());
}

// Every truncation and random damage of every sample: a picture or an error, never a crash
// (run under the sanitizers).
TEST(Picture, TruncatedAndDamagedFilesNeverCrash) {
    const Bytes sources[] = {samples::jpeg(samples::JpegKind::Rgb),
                             samples::jpeg(samples::JpegKind::Progressive),
                             samples::jpeg(samples::JpegKind::CmykAdobe),
                             samples::bmp(),
                             samples::gif(),
                             samples::pcx8(),
                             samples::pcx24()};
    std::mt19937 random(1234);
    for (const Bytes& source : sources) {
        for (std::size_t length = 0; length < source.size(); ++length) {
            const Bytes cut(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(length));
            const rt::PictureResult result = rt::decodePicture(cut);
            if (result.ok()) {
                EXPECT_EQ(result.picture.pixels.size(),
                          static_cast<std::size_t>(result.picture.width) * result.picture.height);
            }
        }
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = source;
            for (int n = 0; n < 4; ++n)
                damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
            const rt::PictureResult result = rt::decodePicture(damaged);
            if (result.ok()) {
                EXPECT_EQ(result.picture.pixels.size(),
                          static_cast<std::size_t>(result.picture.width) * result.picture.height);
            }
        }
    }
}

Bytes cut(const Bytes& whole, std::size_t dropped) {
    return Bytes(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(dropped));
}

Bytes firstBytes(const Bytes& whole, std::size_t kept) {
    return Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(kept));
}

// A picture is taken only when its whole file decodes: GIF and BMP cut short or with a bad
// code are refused like JPEG and PCX; every Paintbrush kind of PCX reads with its colours.
TEST(Picture, OnlyWholeFilesDecodeAndEveryPcxKindReads) {
    const Rgb red{255, 0, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{0, 0, 0};
    Bytes badCode = samples::gif();
    badCode[13 + 6 + 10 + 1 + 1] ^= 0x03;  // the first code (clear, 4) becomes 7: not yet made
    Bytes bmpLongerThanItsData = samples::bmp();
    bmpLongerThanItsData[22] = 200;  // 200 rows where the file holds 2
    struct Case {
        const char* name;
        Bytes bytes;
        bool taken;
        Rgb top, bottom;
    };
    const Case cases[] = {
        {"gif", samples::gif(), true, red, blue},
        {"gif without its trailer", cut(samples::gif(), 1), false, {}, {}},
        {"gif cut in its image data", cut(samples::gif(), 4), false, {}, {}},
        {"gif header and palette only", firstBytes(samples::gif(), 19), false, {}, {}},
        {"gif with a bad code", badCode, false, {}, {}},
        {"bmp", samples::bmp(), true, red, blue},
        {"bmp cut to half", firstBytes(samples::bmp(), samples::bmp().size() / 2), false, {}, {}},
        {"bmp missing its last byte", cut(samples::bmp(), 1), false, {}, {}},
        {"bmp taller than its data", bmpLongerThanItsData, false, {}, {}},
        {"jpeg", samples::jpeg(samples::JpegKind::Rgb), true, red, red},
        {"jpeg cut short", cut(samples::jpeg(samples::JpegKind::Rgb), 40), false, {}, {}},
        {"pcx 1-bit", samples::pcx1(), true, white, black},
        {"pcx 1-bit cut short", cut(samples::pcx1(), 2), false, {}, {}},
        {"pcx 16 colours in planes", samples::pcx4Planes(), true, red, blue},
        {"pcx 16 colours in planes cut short", cut(samples::pcx4Planes(), 3), false, {}, {}},
        {"pcx 16 colours packed", samples::pcx4Packed(), true, red, blue},
        {"pcx 8-bit", samples::pcx8(), true, red, blue},
        {"pcx 8-bit without its palette", cut(samples::pcx8(), 769), false, {}, {}},
        {"pcx 24-bit", samples::pcx24(), true, red, blue},
        {"pcx 24-bit cut short", cut(samples::pcx24(), 3), false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const rt::PictureResult result = rt::decodePicture(c.bytes);
        ASSERT_EQ(result.ok(), c.taken) << result.error;
        if (!c.taken) {
            EXPECT_FALSE(result.error.empty());
            continue;
        }
        expectColour(result.picture, 0, 0, c.top, 8);
        expectColour(result.picture, 0, result.picture.height - 1, c.bottom, 8);
    }
}

TEST(Picture, TruncatedJpegAndPcxAreErrors) {
    const Bytes jpeg = samples::jpeg(samples::JpegKind::Rgb);
    EXPECT_FALSE(rt::decodePicture(Bytes(jpeg.begin(), jpeg.end() - 40)).ok());
    const Bytes pcx = samples::pcx24();
    EXPECT_FALSE(rt::decodePicture(Bytes(pcx.begin(), pcx.end() - 3)).ok());
}

}  // namespace
