// The check pages: the bank line and city line, where each report puts its items, the MICR
// line measured on a rendered page, and three checks to a sheet.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>

#include "checks/check_layout.h"
#include "checks/check_register_report_layout.h"
#include "runtime/print/page_spool.h"
#include "runtime/print/report.h"
#include "runtime/qt/micr_e13b.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/picture.h"
#include "tests/support/temp_dir.h"

namespace {

using checks_layout::CheckPage;

// The character of a 70-character bank line at position p (1: the right end).
char at(const std::string& line, int p) {
    return line[line.size() - static_cast<std::size_t>(p)];
}

// What each position of the line holds, from the right: 1-13 blank, on-us at 14, the account
// ending at 15, transit 33-43 around the routing number, 44 blank, then the check number
// between two on-us symbols from 45 leftwards.
TEST(BankLine, StandsAtItsPositionsFromTheRightForEveryNumberAndAccountLength) {
    for (std::size_t digits = 1; digits <= 10; ++digits) {
        for (std::size_t length = 1; length <= 20; ++length) {
            const std::string number = std::string("1234567890").substr(0, digits);
            const std::string account = std::string("98765432109876543210").substr(0, length);
            const std::string line = checks_layout::MicrLine(number, "123456789", account);
            SCOPED_TRACE(number + " / " + account + ": [" + line + "]");
            ASSERT_EQ(line.size(), 70u);
            std::string expected(70, ' ');
            auto put = [&](int p, char c) { expected[70 - static_cast<std::size_t>(p)] = c; };
            put(14, 'C');
            if (length <= 18)  // longer ones are left out rather than printed cut
                for (std::size_t i = 0; i < length; ++i)
                    put(15 + static_cast<int>(i), account[length - 1 - i]);
            put(33, 'A');
            put(43, 'A');
            for (int i = 0; i < 9; ++i)
                put(34 + i, "123456789"[8 - i]);
            put(45, 'C');
            for (std::size_t i = 0; i < digits; ++i)
                put(46 + static_cast<int>(i), number[digits - 1 - i]);
            put(46 + static_cast<int>(digits), 'C');
            EXPECT_EQ(line, expected);
        }
    }
    // A short routing number keeps its blanks inside the transit symbols; a blank symbol
    // letter still takes its position.
    const std::string shortRouting = checks_layout::MicrLine("77", "1234567", "55", "", "A");
    EXPECT_EQ(at(shortRouting, 43), 'A');
    EXPECT_EQ(at(shortRouting, 36), '7');
    EXPECT_EQ(at(shortRouting, 35), ' ');
    EXPECT_EQ(at(shortRouting, 34), ' ');
    EXPECT_EQ(at(shortRouting, 14), ' ');
    EXPECT_EQ(at(shortRouting, 16), '5');
}

TEST(CityLine, JoinsWhatTheCheckHoldsWithoutCuttingTheZipOrLeavingAStrayComma) {
    const struct {
        const char *city, *state, *zip, *line;
    } cases[] = {
        {"Springfield    ", "IL", "62701       ", "Springfield, IL 62701"},
        // The longest city with the longest zip keeps every character of the zip.
        {"Kalamazoo Falls", "MI", "49001-123456", "Kalamazoo Falls, MI 49001-123456"},
        {"", "", "", ""},  // no address: nothing prints, not a lone comma
        {"Springfield", "", "", "Springfield"},
        {"", "IL", "62701", "IL 62701"},
        {"Springfield", "", "62701", "Springfield, 62701"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checks_layout::CityLine(c.city, c.state, c.zip), c.line)
            << c.city << "|" << c.zip;
    // The picture that prints it shows the longest line whole.
    EXPECT_EQ(
        rt::format(rt::Value(checks_layout::CityLine("Kalamazoo Falls", "MI", "49001-123456")),
                   checks_layout::kCityLinePicture),
        "Kalamazoo Falls, MI 49001-123456");
}

// The pages a report makes for `count` checks, each band showing the same sample check.
std::vector<rt::Page> pagesOf(CheckPage page, int count) {
    testsupport::TempDir dir;
    rt::Report report(checks_layout::checkPageReport(page, [](const std::string& name) {
        static const std::map<std::string, rt::Value> sample = {
            {"LOC:MicrLine", rt::Value(checks_layout::MicrLine("1234", "123456789", "987654"))},
            {"LOC:CityLine", rt::Value(checks_layout::CityLine("Springfield", "IL", "62701"))},
            {"CHECKNAME", rt::Value("Ann Smith")},
            {"PAYTO", rt::Value("Acme Supply")},
            {"AMOUNT", rt::Value(rt::Decimal("125.50"))},
            {"CHECKDATE", rt::Value(80000L)},
        };
        auto it = sample.find(name);
        rt::Value v = it != sample.end() ? it->second : rt::Value(name);
        return [v] { return v; };
    }));
    std::string error;
    EXPECT_TRUE(report.open(error)) << error;
    for (int i = 0; i < count; ++i)
        EXPECT_TRUE(report.print(checks_layout::kCheckBand));
    EXPECT_TRUE(report.finish());
    std::vector<rt::Page> pages;
    for (const std::string& name : report.pageNames())
        pages.push_back(rt::readPage(name).page);
    report.close(error);
    return pages;
}

std::vector<rt::PageText> textsNamed(const rt::Page& page, const std::string& text) {
    std::vector<rt::PageText> found;
    for (const rt::PageItem& item : page.items)
        if (const auto* t = std::get_if<rt::PageText>(&item); t && t->text == text)
            found.push_back(*t);
    return found;
}

std::vector<rt::PageLine> rulesOf(const rt::Page& page) {
    std::vector<rt::PageLine> found;
    for (const rt::PageItem& item : page.items)
        if (const auto* l = std::get_if<rt::PageLine>(&item)) found.push_back(*l);
    return found;
}

struct Placed {
    std::string text;  // the printed text, or "rule"
    int x, y;          // inside the band
    int points;
    std::uint8_t style;
    int count = 1;  // how often the text stands at that place on one check
};

// The fixture: what each page prints where, as the band's own positions. Every page shares
// the check part; the variants differ in the items listed for them.
const std::string kMicr = checks_layout::MicrLine("1234", "123456789", "987654");
const std::string kDollars = "Dollars And Cents " + std::string(74, '/');
// The bank lines' tops: their baselines 3/16 inch above the cut rules at 3385 and 10240 (the
// characters stand 200 below the top at 18 points).
constexpr int kCheckBankLine = 3385 - 188 - 200, kCopyBankLine = 10240 - 188 - 200;
// The left edge of the cell of kMicr's first on-us symbol, position 50: position 1 ends 5/16
// inch from the sheet's right edge.
constexpr int kFirstSymbolLeft = 8500 - 313 - 50 * 125;

const std::map<CheckPage, std::vector<Placed>> kFixture = {
    {CheckPage::Style1,
     {{"Pay To The", 292, 1031, 10, 0},
      {"SIGNATURE NOT REQUIRED", 5156, 2000, 12, rt::kFontBold},
      {"Memo", 250, 2292, 10, 0},
      {"Telephone/Fax Check Payment", 250, 2458, 8, 0},
      {"Cut on line above to mail copy below to your client in windowed envelope", 1656, 3458, 8,
       rt::kFontBold},
      {"Client Copy", 4583, 3833, 12, rt::kFontBold | rt::kFontUnderline},
      {"Check Authorization Notice", 4563, 4073, 18, rt::kFontBold},
      {"NON-NEGOTIABLE", 4271, 7865, 18, rt::kFontBold},
      {"Payee Copy", 219, 7438, 12, rt::kFontBold | rt::kFontUnderline},
      {kDollars, 3125, 1490, 12, rt::kFontBold | rt::kFontItalic},
      {kDollars, 3302, 4990, 12, rt::kFontBold | rt::kFontItalic},
      {kDollars, 3010, 8719, 12, rt::kFontBold | rt::kFontItalic},
      {kMicr, 1427, kCheckBankLine, 18, 0},
      {kMicr, 1083, kCopyBankLine, 18, 0},
      {"rule", 52, 3385, 0, 0},
      {"rule", 83, 6865, 0, 0}}},
    {CheckPage::Style1All,
     {{"Memo", 281, 2292, 10, 0},
      {"Telephone/Fax Check Payment", 281, 2458, 8, 0},
      {"Customer authorization obtained", 281, 2594, 8, 0},
      {"Cut on  line above to mail copy below to your client in windowed envelope", 1656, 3458, 8,
       rt::kFontBold},
      {"Springfield, IL 62701" + std::string(11, ' '), 1219, 635, 10, 0},
      {kMicr, 1427, kCheckBankLine, 18, 0},
      {"rule", 10, 3385, 0, 0},
      {"rule", 42, 6854, 0, 0}}},
    {CheckPage::Style1Reprint,
     {{"Memo", 250, 2313, 10, 0},
      {"Telephone/Fax Check Payment", 250, 2479, 8, 0},
      {"Customer authorization obtained", 250, 2615, 8, 0},
      {kMicr, 1083, kCopyBankLine, 18, 0},
      {"rule", 10, 3375, 0, 0},
      {"rule", 73, 6854, 0, 0}}},
    {CheckPage::Style2,
     {{std::string(96, '_'), 4594, 2417, 10, 0},
      {"Memo", 260, 2417, 10, 0},
      {"Springfield, IL 62701" + std::string(11, ' '), 1219, 635, 10, 0},
      {"Client Copy", 4583, 3833, 12, rt::kFontBold | rt::kFontUnderline},
      {kMicr, 1427, kCheckBankLine, 18, 0},
      {"rule", 21, 3385, 0, 0},
      {"rule", 63, 6854, 0, 0}}},
    {CheckPage::Style2Reprint, {{"rule", 104, 3375, 0, 0}, {"rule", 94, 6865, 0, 0}}},
    {CheckPage::ThreeUp,
     {{"Memo", 260, 2292, 10, 0},
      {"Telephone/Fax Check Payment", 260, 2458, 8, 0},
      {"Customer authorization obtained", 260, 2594, 8, 0},
      {"SIGNATURE NOT REQUIRED", 5156, 2000, 12, rt::kFontBold},
      {kMicr, 1427, kCheckBankLine, 18, 0},
      {"rule", 21, 3385, 0, 0}}},
    {CheckPage::Draft,
     {{"Memo", 260, 2302, 10, 0},
      {"Telephone/Fax Check Payment", 260, 2469, 8, 0},
      {"Customer authorization obtained", 260, 2604, 8, 0},
      {"SIGNATURE NOT REQUIRED", 5156, 2000, 12, rt::kFontBold},
      {"Client Copy", 4583, 3833, 12, rt::kFontBold | rt::kFontUnderline},
      {kMicr, 1427, kCheckBankLine, 18, 0},
      {kMicr, 1083, kCopyBankLine, 18, 0},
      {"rule", 10, 3375, 0, 0},
      {"rule", 73, 6865, 0, 0}}},
};

// Texts that a page must not print.
const std::map<CheckPage, std::vector<std::string>> kAbsent = {
    {CheckPage::Style2,
     {"SIGNATURE NOT REQUIRED", "Telephone/Fax Check Payment", "Customer authorization obtained",
      "Your depositor has authorized this payment to payee."}},
    {CheckPage::ThreeUp, {"Client Copy", "Payee Copy", "NON-NEGOTIABLE"}},
};

TEST(CheckPages, EveryReportPlacesItsItemsWhereTheFixtureSays) {
    for (const auto& [page, placed] : kFixture) {
        const std::vector<rt::Page> pages = pagesOf(page, 1);
        ASSERT_EQ(pages.size(), 1u);
        const rt::Page& p = pages.front();
        // The band stands in the report area (250 or 254 from the left, 125 from the top),
        // shifted by its stored offsets.
        const int bandX =
            (page == CheckPage::Style1All ? 254 : 250) + (page == CheckPage::ThreeUp ? -10 : 10);
        const int bandY = 125 + 10;
        for (const Placed& want : placed) {
            SCOPED_TRACE(want.text.substr(0, 30) + " on page " +
                         std::to_string(static_cast<int>(page)));
            if (want.text == "rule") {
                const auto rules = rulesOf(p);
                EXPECT_TRUE(std::any_of(rules.begin(), rules.end(), [&](const rt::PageLine& l) {
                    return l.x1 == bandX + want.x && l.y1 == bandY + want.y && l.y2 == l.y1;
                }));
                continue;
            }
            const auto found = textsNamed(p, want.text);
            const bool there = std::any_of(found.begin(), found.end(), [&](const rt::PageText& t) {
                return t.x == bandX + want.x && t.y == bandY + want.y &&
                       t.font.points == want.points && t.font.style == want.style;
            });
            EXPECT_TRUE(there);
            if (want.text == kMicr) {
                for (const rt::PageText& t : found)
                    EXPECT_EQ(t.font.face, "MICR 012 BT");
            }
        }
        if (auto it = kAbsent.find(page); it != kAbsent.end()) {
            for (const std::string& gone : it->second)
                EXPECT_TRUE(textsNamed(p, gone).empty()) << gone;
        }
    }
}

TEST(CheckPages, StylesOneAndTwoPrintTheBankLineTwiceAndTheAmountSixTimes) {
    for (CheckPage page : {CheckPage::Style1, CheckPage::Style2, CheckPage::Style1Reprint}) {
        const rt::Page p = pagesOf(page, 1).front();
        EXPECT_EQ(textsNamed(p, kMicr).size(), 2u);
        std::size_t amounts = 0;
        for (const rt::PageItem& item : p.items)
            if (const auto* t = std::get_if<rt::PageText>(&item);
                t && t->text.find("125.50") != std::string::npos)
                ++amounts;
        EXPECT_EQ(amounts, 6u);
    }
}

TEST(CheckPages, TenThreeUpChecksTakeFourSheetsTheLastHoldingOne) {
    const std::vector<rt::Page> pages = pagesOf(CheckPage::ThreeUp, 10);
    ASSERT_EQ(pages.size(), 4u);
    const std::size_t perPage[] = {3, 3, 3, 1};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto lines = textsNamed(pages[i], kMicr);
        ASSERT_EQ(lines.size(), perPage[i]);
        // One check every 3583 down the sheet, the bank line at the same place in each band.
        for (std::size_t n = 0; n < lines.size(); ++n)
            EXPECT_EQ(lines[n].y, 135 + kCheckBankLine + static_cast<int>(n) * 3583);
    }
}

// The extent of the dark pixels of an image.
struct Extent {
    int left = -1, right = -1, top = -1, bottom = -1;
};
Extent darkExtent(const QImage& image) {
    Extent e;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (e.left < 0 || x < e.left) e.left = x;
                if (x > e.right) e.right = x;
                if (e.top < 0) e.top = y;
                e.bottom = y;
            }
    return e;
}

TEST(CheckPages, ThePaintedBankLineIsEightCharactersToTheInchAnd117ThousandthsHigh) {
    rt::qt::ensureApplication();
    const rt::Page page = pagesOf(CheckPage::Style1, 1).front();
    const auto lines = textsNamed(page, kMicr);
    ASSERT_FALSE(lines.empty());
    const rt::PageText micr = lines.front();
    EXPECT_EQ(micr.x, 260 + 1427);
    EXPECT_EQ(micr.y, 135 + kCheckBankLine);
    // Only the bank line, drawn at 1000 pixels to the inch.
    rt::Page alone;
    alone.items.push_back(micr);
    const int x0 = kFirstSymbolLeft - 200, y0 = micr.y - 200;
    QImage image(5200, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(-x0, -y0);
        rt::qt::paintPage(painter, alone);
    }
    const Extent e = darkExtent(image);
    ASSERT_GE(e.left, 0);
    // The first and last characters are the same on-us symbol, 36 characters apart.
    const rt::qt::MicrGlyph* onUs = rt::qt::micrGlyph('C');
    ASSERT_NE(onUs, nullptr);
    int glyphLeft = 1000, glyphRight = 0;
    for (const auto& polygon : onUs->polygons)
        for (const rt::qt::MicrPoint& p : polygon) {
            glyphLeft = std::min(glyphLeft, p.x);
            glyphRight = std::max(glyphRight, p.x);
        }
    const double pitch = static_cast<double>((e.right - glyphRight) - (e.left - glyphLeft)) / 36;
    EXPECT_NEAR(pitch, 125.0, 1.0);  // 8 characters to the inch
    EXPECT_NEAR(e.bottom - e.top + 1, 117, 3);
    EXPECT_NEAR(x0 + e.left - glyphLeft, kFirstSymbolLeft, 3);
}

TEST(CheckPages, TheBankLineInThePdfIsEightCharactersToTheInchAnd117ThousandthsHigh) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    const rt::Page page = pagesOf(CheckPage::Style1, 1).front();
    const std::filesystem::path pdf = dir / "check.pdf";
    std::string error;
    rt::PagesInMemory pages({page});
    ASSERT_TRUE(rt::qt::writePdf(pages, QString::fromStdString(pdf.string()), error)) << error;
    // The band of the sheet that holds the bank line, rendered from the PDF at 1000 dots to
    // the inch: nothing else prints there.
    const int x0 = 1500, y0 = 2950;
    const std::string command = "pdftoppm -r 1000 -f 1 -l 1 -x " + std::to_string(x0) + " -y " +
                                std::to_string(y0) + " -W 5400 -H 420 -png -singlefile '" +
                                pdf.string() + "' '" + (dir / "micr").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage image(QString::fromStdString((dir / "micr.png").string()));
    ASSERT_FALSE(image.isNull());
    const Extent e = darkExtent(image);
    ASSERT_GE(e.left, 0);
    int glyphLeft = 1000, glyphRight = 0;
    for (const auto& polygon : rt::qt::micrGlyph('C')->polygons)
        for (const rt::qt::MicrPoint& p : polygon) {
            glyphLeft = std::min(glyphLeft, p.x);
            glyphRight = std::max(glyphRight, p.x);
        }
    const double pitch = static_cast<double>((e.right - glyphRight) - (e.left - glyphLeft)) / 36;
    EXPECT_NEAR(pitch, 125.0, 1.5);  // 8 characters to the inch
    EXPECT_NEAR(e.bottom - e.top + 1, 117, 4);
    // Where the page puts it: its first on-us symbol at position 50 from the right edge.
    EXPECT_NEAR(x0 + e.left - glyphLeft, kFirstSymbolLeft, 4);
    std::cout << "bank line in the PDF: pitch " << pitch << " (1/1000 in), height "
              << e.bottom - e.top + 1 << ", left edge " << x0 + e.left - glyphLeft
              << ", symbols from " << y0 + e.top << " to " << y0 + e.bottom << "\n";
}

TEST(RegisterReport, RowsStopAtThePrintableBottomAndGoOnOnTheNextPage) {
    testsupport::TempDir dir;
    rt::Report report(checks_layout::registerReport([](const std::string& name) {
        return [name] { return rt::Value(name == "CHE:PAYTO" ? "Acme" : ""); };
    }));
    std::string error;
    ASSERT_TRUE(report.open(error));
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(report.print(checks_layout::kCheckBand));
    ASSERT_TRUE(report.finish());
    ASSERT_GE(report.pageCount(), 2);
    int rows = 0;
    for (const std::string& name : report.pageNames()) {
        const rt::Page page = rt::readPage(name).page;
        for (const rt::PageText& t : textsNamed(page, "Acme" + std::string(26, ' '))) {
            ++rows;
            EXPECT_LE(t.y - 31 + 219, checks_layout::kRegisterPrintableBottom);
            EXPECT_LE(t.y + 229, page.height);
        }
        EXPECT_EQ(textsNamed(page, "Check Register").size(), 1u);
    }
    EXPECT_EQ(rows, 60);
    report.close(error);
}

}  // namespace
