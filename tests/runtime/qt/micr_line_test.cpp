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
    const std::string line = "C123456C A123456789A 0123456789C";
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

    // The same character always has the same outline, so its left edges are whole pitches
    // (0.125 inch, 37.5 pixels) apart.
    std::map<char, std::pair<std::size_t, int>> firstSeen;
    int compared = 0;
    for (std::size_t n = 0; n < runs.size(); ++n) {
        const char c = line[positions[n]];
        auto [it, fresh] = firstSeen.try_emplace(c, positions[n], runs[n].left);
        if (fresh) continue;
        const double pitches = static_cast<double>(positions[n] - it->second.first);
        EXPECT_NEAR(runs[n].left - it->second.second, pitches * rt::qt::kMicrPitch * kPixelsPerUnit,
                    1.5)
            << "'" << c << "' at " << positions[n];
        ++compared;
    }
    EXPECT_GE(compared, 15);
    // The whole line: from the first on-us symbol to the last, 31 pitches.
    EXPECT_NEAR(runs.back().left - runs.front().left, 31 * 125 * kPixelsPerUnit, 1.5);
    EXPECT_NEAR(runs.front().left, 1000 * kPixelsPerUnit, 1.5);

    const QRect ink = rendered::inkBounds(image, band);
    EXPECT_NEAR(ink.height(), rt::qt::kMicrHeight * kPixelsPerUnit, 2);
}

TEST(MicrLine, GlyphsFitTheirCellAndOnlyMicrFacesUseThem) {
    for (char c : std::string("0123456789ABCDabcd")) {
        const rt::qt::MicrGlyph* glyph = rt::qt::micrGlyph(c);
        ASSERT_NE(glyph, nullptr) << c;
        int top = 1000, bottom = 0;
        for (const auto& polygon : glyph->polygons)
            for (const auto& p : polygon) {
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x, rt::qt::kMicrPitch - 34) << "room between characters";
                top = std::min(top, p.y), bottom = std::max(bottom, p.y);
            }
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
