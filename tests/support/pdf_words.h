#pragma once
// The words of a PDF with their boxes (pdftotext -bbox), and the check that every word
// stands inside its slot (a label, a card, a check) and apart from every other.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
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

// The first page of a PDF in grey levels (pdftoppm), `dotsPerInch` across and down.
struct GreyPage {
    int width = 0, height = 0;
    std::vector<unsigned char> grey;  // row by row, 0 black
    bool ink(int x, int y) const {
        return grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)] < 160;
    }
};

inline GreyPage greyPage(const std::filesystem::path& pdf, int dotsPerInch) {
    const std::filesystem::path out = pdf.parent_path() / (pdf.stem().string() + "-grey");
    commandOutput("pdftoppm -f 1 -l 1 -singlefile -gray -r " + std::to_string(dotsPerInch) + " '" +
                  pdf.string() + "' '" + out.string() + "' 2>/dev/null");
    std::ifstream in(out.string() + ".pgm", std::ios::binary);
    GreyPage page;
    std::string magic;
    int depth = 0;
    in >> magic >> page.width >> page.height >> depth;
    in.get();  // the one blank before the pixels
    if (magic != "P5" || page.width <= 0 || page.height <= 0) return {};
    page.grey.resize(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height));
    in.read(reinterpret_cast<char*>(page.grey.data()),
            static_cast<std::streamsize>(page.grey.size()));
    if (!in) return {};
    return page;
}

// No word stands across a rule or a box's edge: a run of ink at least half an inch long,
// across or down, that goes on beyond the word (a word of underscores draws its own).
inline void expectNoWordAcrossARule(const std::filesystem::path& pdf,
                                    const std::vector<PdfWord>& all) {
    constexpr int kDots = 100;            // dots per inch: 10 thousandths a dot
    constexpr int kRuleDots = kDots / 2;  // the shortest rule
    constexpr int kThickest = 4;          // the thickest rule
    const GreyPage page = greyPage(pdf, kDots);
    ASSERT_GT(page.width, 0) << pdf;
    for (const PdfWord& w : all) {
        // The word's letters, as for the overlaps, a dot inside each side.
        const double height = w.bottom - w.top;
        const int left = static_cast<int>(w.left / 10) + 1,
                  right = static_cast<int>(w.right / 10) - 1,
                  top = static_cast<int>((w.top + 0.15 * height) / 10) + 1,
                  bottom = static_cast<int>((w.bottom - 0.2 * height) / 10) - 1;
        if (left >= right || top >= bottom || right >= page.width || bottom >= page.height)
            continue;
        // A run of ink through (x, y), along (dx, dy): how far it goes back and on.
        auto run = [&page](int x, int y, int dx, int dy, int limit) {
            int back = 0, on = 0;
            while (back < limit && x - (back + 1) * dx >= 0 && y - (back + 1) * dy >= 0 &&
                   page.ink(x - (back + 1) * dx, y - (back + 1) * dy))
                ++back;
            while (on < limit && x + (on + 1) * dx < page.width &&
                   y + (on + 1) * dy < page.height &&
                   page.ink(x + (on + 1) * dx, y + (on + 1) * dy))
                ++on;
            return std::pair<int, int>{back, on};
        };
        // A rule is thin across its length; a filled box (light text may stand on one) is not.
        // The width is taken beside the word, away from the corners of the rule's box.
        auto thin = [&run](int x, int y, int dx, int dy) {
            const auto [back, on] = run(x, y, dy, dx, kThickest + 1);
            return back + on + 1 <= kThickest;
        };
        // A run whose two ends stand in words is theirs: an underline under a line of words.
        auto inAWord = [&all](int x, int y) {
            for (const PdfWord& o : all)
                if (x >= o.left / 10 - 2 && x <= o.right / 10 + 2 && y >= o.top / 10 - 2 &&
                    y <= o.bottom / 10 + 2)
                    return true;
            return false;
        };
        std::string crossing;
        for (int y = top; y <= bottom && crossing.empty(); ++y)
            for (int x = left; x <= right && crossing.empty(); ++x) {
                if (!page.ink(x, y)) continue;
                const auto [back, on] = run(x, y, 1, 0, page.width);
                // Where the run goes on beyond the word, just beside it.
                const int outside = x - back < left - 2  ? left - 3
                                    : x + on > right + 2 ? right + 3
                                                         : -1;
                if (back + on + 1 >= kRuleDots && outside >= 0 && thin(outside, y, 1, 0) &&
                    !(inAWord(x - back, y) && inAWord(x + on, y)))
                    crossing = "a rule " + std::to_string(y * 10) + " down, from " +
                               std::to_string((x - back) * 10) + " to " +
                               std::to_string((x + on) * 10);
                x += on;
            }
        for (int x = left; x <= right && crossing.empty(); ++x) {
            if (!page.ink(x, top)) continue;
            const auto [back, on] = run(x, top, 0, 1, page.height);
            if (back + on + 1 >= kRuleDots && back > 2 && top + on > bottom + 2 &&
                thin(x, top - 3, 0, 1) && !(inAWord(x, top - back) && inAWord(x, top + on)))
                crossing = "an edge " + std::to_string(x * 10) + " across, from " +
                           std::to_string((top - back) * 10) + " to " +
                           std::to_string((top + on) * 10);
        }
        EXPECT_TRUE(crossing.empty())
            << w.text << " (" << w.left << ", " << w.top << " to " << w.right << ", " << w.bottom
            << ") stands across " << crossing;
    }
}

// The words of the PDF's first page each inside its slot, apart, and off the rules.
inline void expectEveryWordInItsSlotApartAndOffTheRules(const std::filesystem::path& pdf,
                                                        const PdfSlots& grid) {
    const std::vector<PdfWord> all = pdfWords(pdf);
    expectEveryWordInItsSlotAndApart(all, grid);
    expectNoWordAcrossARule(pdf, all);
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
