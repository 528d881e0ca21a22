#pragma once
// The words of a PDF with their boxes (pdftotext -bbox), and the check that every word
// stands inside its slot (a label, a card, a check) and apart from every other.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/pdf_report.h"

namespace testsupport {

// A word of the PDF's first page as pdftotext -bbox finds it, in 1/1000 inch from the
// sheet's top left.
struct PdfWord {
    std::string text;
    double left, top, right, bottom;
};

inline std::vector<PdfWord> pdfWords(const std::filesystem::path& pdf) {
    const std::string html =
        commandOutput("pdftotext -l 1 -bbox '" + pdf.string() + "' - 2>/dev/null");
    auto attribute = [](const std::string& tag, const std::string& name) {
        const std::size_t at = tag.find(name + "=\"");
        return at == std::string::npos ? -1
                                       : std::stod(tag.substr(at + name.size() + 2)) * 1000 / 72;
    };
    std::vector<PdfWord> found;
    for (std::size_t at = html.find("<word "); at != std::string::npos;
         at = html.find("<word ", at + 1)) {
        const std::size_t close = html.find('>', at), end = html.find("</word>", at);
        const std::string tag = html.substr(at, close - at);
        found.push_back({html.substr(close + 1, end - close - 1), attribute(tag, "xMin"),
                         attribute(tag, "yMin"), attribute(tag, "xMax"), attribute(tag, "yMax")});
    }
    return found;
}

// The slots a report fills across and down from (x, y), each `width` by `height`.
struct PdfSlots {
    double x, y, width, height;
};

// Every word stands inside one slot, and no two words overlap.
inline void expectEveryWordInItsSlotAndApart(const std::vector<PdfWord>& all,
                                             const PdfSlots& grid) {
    ASSERT_FALSE(all.empty());
    constexpr double kTolerance = 2;  // thousandths: the rounding of pdftotext's points
    for (const PdfWord& w : all) {
        const double column = std::floor((w.left - grid.x) / grid.width);
        const double row = std::floor((w.top - grid.y) / grid.height);
        const double left = grid.x + column * grid.width, top = grid.y + row * grid.height;
        EXPECT_GE(w.left, left - kTolerance) << w.text;
        EXPECT_LE(w.right, left + grid.width + kTolerance) << w.text;
        EXPECT_GE(w.top, top - kTolerance) << w.text;
        EXPECT_LE(w.bottom, top + grid.height + kTolerance) << w.text;
    }
    // A word's box runs from its font's ascent to its descent, beyond its capitals and the
    // foot of its letters: lines may be set closer than that, their letters apart, so each
    // box is taken 20% short at its foot and 15% at its head.
    auto letters = [](const PdfWord& w) {
        const double height = w.bottom - w.top;
        return PdfWord{w.text, w.left, w.top + 0.15 * height, w.right, w.bottom - 0.2 * height};
    };
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const PdfWord a = letters(all[i]), b = letters(all[j]);
            const bool apart = a.right <= b.left + kTolerance || b.right <= a.left + kTolerance ||
                               a.bottom <= b.top + kTolerance || b.bottom <= a.top + kTolerance;
            EXPECT_TRUE(apart) << a.text << " over " << b.text;
        }
}

// Every font the PDF embeds is one of the families the font table gives the faces windows and
// reports name: a face the table lacks would print in a fallback family of other widths.
inline void expectTheFontsOfTheWindows(const std::filesystem::path& pdf) {
    const std::string listing = commandOutput("pdffonts '" + pdf.string() + "' 2>/dev/null");
    std::istringstream lines(listing);
    std::string line;
    int fonts = 0;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (n < 2 || line.empty()) continue;  // the heading and its rule
        std::string name = line.substr(0, line.find(' '));
        name = name.substr(name.find('+') + 1);  // without the subset's tag
        ++fonts;
        bool known = false;
        for (const char* family : {"LiberationSans", "LiberationSerif", "LiberationMono",
                                   "NimbusSansNarrow", "StandardSymbolsPS"})
            known = known || name.rfind(family, 0) == 0;
        EXPECT_TRUE(known) << name << " in\n" << listing;
    }
    EXPECT_GT(fonts, 0) << listing;
}

}  // namespace testsupport
