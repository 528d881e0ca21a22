// The bank line drawn from our E-13B outlines, measured in the rendered PDF.

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "runtime/qt/micr_e13b.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kPixelsPerUnit = kDotsPerInch / 1000.0;

TEST(MicrLine, PrintsEightCharactersToTheInchAtTheE13BHeight) {
    const std::string line = "C1234561C A123456789A 01D234B56789C B11B";
    rt::Page page;
    rt::PageText micr;
    micr.x = 1000, micr.y = 3000, micr.width = 8000, micr.height = 271;
    micr.font = {"MICR 012 BT", 18, rt::kFontRegular};
    micr.text = line;
    page.items.emplace_back(micr);

    testsupport::TempDir dir;
    std::string error;
    ASSERT_TRUE(rendered::printToPdf({page}, dir / "micr.pdf", error)) << error;
    const QImage image = rendered::pdfPage(dir / "micr.pdf", kDotsPerInch);
    ASSERT_FALSE(image.isNull());

    const QRect band(0, 3000 * kPixelsPerUnit - 10, image.width(), 271 * kPixelsPerUnit + 20);
    // Parts of one character are at most 0.013 inch (4 pixels) apart, characters at least
    // 0.034 inch (10 pixels).
    const auto runs = rendered::inkColumns(image, band, 7);
    std::vector<std::size_t> positions;  // index in the line of each drawn character
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] != ' ') positions.push_back(i);
    ASSERT_EQ(runs.size(), positions.size());

    // Every character ends on its cell's right boundary, the narrow ones and the symbols as
    // much as the digits: right edges are whole pitches (0.125 inch) apart.
    for (std::size_t n = 0; n < runs.size(); ++n) {
        const double rightBoundary =
            1000 + static_cast<double>(positions[n] + 1) * rt::qt::kMicrPitch;
        EXPECT_NEAR((runs[n].right + 1) / kPixelsPerUnit, rightBoundary, 3.5)
            << "'" << line[positions[n]] << "' at " << positions[n];
    }

    const QRect ink = rendered::inkBounds(image, band);
    EXPECT_NEAR(ink.height(), rt::qt::kMicrHeight * kPixelsPerUnit, 2);
}

TEST(MicrLine, GlyphsStandFlushRightInTheirCellAndOnlyMicrFacesUseThem) {
    for (char c : std::string("0123456789ABCDabcd")) {
        const rt::qt::MicrGlyph* glyph = rt::qt::micrGlyph(c);
        ASSERT_NE(glyph, nullptr) << c;
        int top = 1000, bottom = 0, left = 1000, right = 0;
        for (const auto& polygon : glyph->polygons)
            for (const auto& p : polygon) {
                left = std::min(left, p.x), right = std::max(right, p.x);
                top = std::min(top, p.y), bottom = std::max(bottom, p.y);
            }
        EXPECT_EQ(right, rt::qt::kMicrPitch) << c;
        EXPECT_GE(left, 34) << c << ": room between characters";
        EXPECT_GE(top, 0) << c;
        EXPECT_LE(bottom, rt::qt::kMicrHeight) << c;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            EXPECT_EQ(top, 0) << c;
            EXPECT_EQ(bottom, rt::qt::kMicrHeight) << c;
        }
    }
    EXPECT_EQ(rt::qt::micrGlyph(' '), nullptr);
    EXPECT_EQ(rt::qt::micrGlyph('E'), nullptr);
    EXPECT_TRUE(rt::qt::isMicrFace("MICR 012 BT"));
    EXPECT_TRUE(rt::qt::isMicrFace("micr 010 bt"));
    EXPECT_FALSE(rt::qt::isMicrFace("Arial"));
}

}  // namespace
