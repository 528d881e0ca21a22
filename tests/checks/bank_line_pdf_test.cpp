// The check pages measured in the printed PDF. The bank line: which positions from the
// check's right edge hold a character, how high the line stands over the check's bottom edge
// (its cut rule), and that nothing else prints in the clear band above that edge. The texts:
// the longest values stay in their boxes and apart.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <map>
#include <set>

#include "checks/check_layout.h"
#include "checks/check_register_report_layout.h"
#include "runtime/print/page_spool.h"
#include "runtime/print/report.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using checks_layout::CheckPage;

constexpr int kDotsPerInch = 150;
constexpr double kRightEnd = 8500 - 312.5;  // where position 1 ends, 5/16 inch from the edge
constexpr int kClearBand = 625;             // 5/8 inch above the bottom edge

int pixels(double thousandths) {
    return static_cast<int>(thousandths * kDotsPerInch / 1000);
}
double thousandths(double pixelEdge) {
    return pixelEdge * 1000 / kDotsPerInch;
}

// What a field of a check holds at its longest, in capitals and the widest letters; the bank
// line is `micr`.
rt::Value widestValue(const std::string& name, const std::string& micr) {
    static const std::map<std::string, std::size_t> lengths = {
        {"CHECKNUMBER", 10}, {"FEDNUMBER1", 15},  {"FEDNUMBER2", 15},      {"CITY", 15},
        {"STATE", 2},        {"ZIP", 12},         {"PHONE", 10},           {"CHECKMEMO", 40},
        {"BANKNAME", 30},    {"BANKADDRESS", 30}, {"BANKCITYSTATEZIP", 30}};
    if (name == "LOC:MicrLine") return rt::Value(micr);
    if (name == "AMOUNT") return rt::Value(rt::Decimal("99999.99"));
    if (name == "CHECKDATE") return rt::Value(80000L);
    if (name == "PHONE") return rt::Value(std::string("8005551212"));
    const auto known = lengths.find(name);
    return rt::Value(std::string(known == lengths.end() ? 30 : known->second, 'W'));
}

checks_layout::FieldBinder widestFields(const std::string& micr) {
    return [micr](const std::string& name) {
        const rt::Value v = widestValue(name, micr);
        return [v] { return v; };
    };
}

// One check a page, each with its own bank line and every other field at its longest.
std::vector<rt::Page> checksWith(CheckPage page, const std::vector<std::string>& lines) {
    std::vector<rt::Page> pages;
    for (const std::string& line : lines) {
        rt::Report report(checks_layout::checkPageReport(page, widestFields(line)));
        std::string error;
        EXPECT_TRUE(report.open(error)) << error;
        EXPECT_TRUE(report.print(checks_layout::kCheckBand));
        EXPECT_TRUE(report.finish());
        pages.push_back(rt::readPage(report.pageNames().front()).page);
        report.close(error);
    }
    return pages;
}

// A strip of page `n` (from 1) of the PDF, the whole sheet wide, from `top` down `height`.
QImage strip(const std::filesystem::path& pdf, int n, int top, int height) {
    const std::filesystem::path out = pdf.parent_path() / ("strip" + std::to_string(n));
    const std::string command =
        "pdftoppm -r " + std::to_string(kDotsPerInch) + " -f " + std::to_string(n) + " -l " +
        std::to_string(n) + " -y " + std::to_string(pixels(top)) + " -H " +
        std::to_string(pixels(height)) + " -W " + std::to_string(pixels(8500)) +
        " -png -singlefile '" + pdf.string() + "' '" + out.string() + "'";
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(QString::fromStdString(out.string() + ".png"));
}

// The first row, from the top, where ink runs across more than half the sheet: a rule.
int ruleRow(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        int ink = 0;
        for (int x = 0; x < image.width(); ++x)
            ink += rendered::isInk(image, x, y);
        if (ink > image.width() / 2) return y;
    }
    return -1;
}

// The positions a line's characters take: the last character is position 1.
std::set<int> positionsOf(const std::string& line) {
    std::set<int> taken;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] != ' ') taken.insert(static_cast<int>(line.size() - i));
    return taken;
}

struct BankLine {
    CheckPage page;
    const char* name;
    int bottomEdge;  // the cut rule under the line, on the sheet
};

// Every bank line of the check pages. The band's top on the sheet is 125 down (the report area)
// plus its stored offset.
const BankLine kBankLines[] = {
    {CheckPage::Style1, "style 1", 135 + 3385},
    {CheckPage::Style1, "style 1 payee copy", 135 + 10240},
    {CheckPage::Style1All, "style 1, all", 135 + 3385},
    {CheckPage::Style1All, "style 1, all, payee copy", 135 + 10240},
    {CheckPage::Style1Reprint, "style 1 reprint", 135 + 3375},
    {CheckPage::Style1Reprint, "style 1 reprint payee copy", 135 + 10240},
    {CheckPage::Style2, "style 2", 135 + 3385},
    {CheckPage::Style2, "style 2 payee copy", 135 + 10240},
    {CheckPage::Style2Reprint, "style 2 reprint", 135 + 3375},
    {CheckPage::Style2Reprint, "style 2 reprint payee copy", 135 + 10240},
    {CheckPage::ThreeUp, "three-up", 135 + 3385},
    {CheckPage::Draft, "draft", 135 + 3375},
    {CheckPage::Draft, "draft payee copy", 135 + 10240},
    {CheckPage::BlankThreeUp, "blank three-up", 125 + 3375},
    {CheckPage::BlankOneUp, "blank one-up", 125 + 3375},
};

TEST(BankLinePdf, StandsAtItsPositionsAndHeightWithTheClearBandFreeOnEveryCheckPage) {
    // Check numbers of 1 to 10 digits and accounts of every length the line holds.
    std::vector<std::string> micr;
    for (std::size_t i = 0; i < 18; ++i)
        micr.push_back(checks_layout::MicrLine(std::string("9876543210").substr(0, i % 10 + 1),
                                               "123456789",
                                               std::string("123456789012345678").substr(0, i + 1)));
    testsupport::TempDir dir;
    std::map<CheckPage, std::filesystem::path> printed;
    for (const BankLine& line : kBankLines) {
        SCOPED_TRACE(line.name);
        if (!printed.count(line.page)) {
            const std::filesystem::path pdf =
                dir / ("check" + std::to_string(static_cast<int>(line.page)) + ".pdf");
            std::string error;
            ASSERT_TRUE(rendered::printToPdf(checksWith(line.page, micr), pdf, error)) << error;
            printed[line.page] = pdf;
        }
        // From above the clear band to a little under the bottom edge.
        const int top = line.bottomEdge - kClearBand - 100;
        for (std::size_t n = 0; n < micr.size(); ++n) {
            SCOPED_TRACE("check " + std::to_string(n + 1) + ": " + micr[n]);
            const QImage image = strip(printed[line.page], static_cast<int>(n) + 1, top, 800);
            ASSERT_FALSE(image.isNull());
            // The bottom edge as printed: the first rule below the clear band's top.
            const int clearTop = pixels(100);
            QImage below = image.copy(0, clearTop, image.width(), image.height() - clearTop);
            const int rule = ruleRow(below);
            ASSERT_GE(rule, 0);
            const int edge = clearTop + rule;
            EXPECT_NEAR(top + thousandths(edge), line.bottomEdge, 10);
            // Nothing but the line prints in the clear band above the bottom edge.
            const QRect band(0, clearTop, image.width(), edge - 2 - clearTop);
            const QRect ink = rendered::inkBounds(image, band);
            ASSERT_FALSE(ink.isEmpty());
            // The baseline 3/16 inch above the edge, give or take 1/16; the characters'
            // height alone fills the band's ink.
            const double baseline = thousandths(edge - (ink.bottom() + 1));
            EXPECT_NEAR(baseline, 187.5, 62.5);
            EXPECT_NEAR(thousandths(ink.height()), 117, 15);
            std::set<int> positions;
            for (const rendered::ColumnRun& run : rendered::inkColumns(image, band, 3)) {
                const double centre = thousandths((run.left + run.right + 1) / 2.0);
                positions.insert(static_cast<int>((kRightEnd - centre) / 125) + 1);
            }
            EXPECT_EQ(positions, positionsOf(micr[n]));
        }
    }
}

// Every character of the bank line ends on the right boundary of its 1/8 inch position, so
// that right edges stand 0.125 inch apart as readers measure them: the narrow "1" and every
// symbol beside digits, on every check page: checks, their copies, drafts and blank checks.
TEST(BankLinePdf, EveryCharacterEndsOnItsPositionsRightBoundary) {
    constexpr int kFineDotsPerInch = 600;
    constexpr double kUnitsPerPixel = 1000.0 / kFineDotsPerInch;
    std::string micr = "C11C A1B1D1A1 1234567890 D1C1 1B0000001111B";
    micr.insert(0, checks_layout::kMicrLineLength - micr.size(), ' ');
    testsupport::TempDir dir;
    for (const BankLine& line : kBankLines) {
        SCOPED_TRACE(line.name);
        const std::filesystem::path pdf = dir / "line.pdf";
        std::string error;
        ASSERT_TRUE(rendered::printToPdf(checksWith(line.page, {micr}), pdf, error)) << error;
        // The characters stand between 3/16 and 1/4 inch above the bottom edge and are 0.117
        // inch high: the strip from 1/2 inch above that edge holds them and nothing else.
        const int top = line.bottomEdge - 500;
        const std::filesystem::path out = dir / "fine";
        const std::string command =
            "pdftoppm -r " + std::to_string(kFineDotsPerInch) + " -f 1 -l 1 -y " +
            std::to_string(top * kFineDotsPerInch / 1000) + " -H " +
            std::to_string(400 * kFineDotsPerInch / 1000) + " -W " +
            std::to_string(8500 * kFineDotsPerInch / 1000) + " -png -singlefile '" + pdf.string() +
            "' '" + out.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        const QImage image(QString::fromStdString(out.string() + ".png"));
        ASSERT_FALSE(image.isNull());
        // Parts of one character are at most 0.013 inch apart, characters at least 0.034.
        const auto runs = rendered::inkColumns(image, image.rect(), 14);
        std::vector<int> positions;  // counted from the right edge, as the line's characters
        for (std::size_t i = 0; i < micr.size(); ++i)
            if (micr[i] != ' ') positions.push_back(static_cast<int>(micr.size() - i));
        ASSERT_EQ(runs.size(), positions.size());
        for (std::size_t n = 0; n < runs.size(); ++n) {
            SCOPED_TRACE(std::string("'") + micr[micr.size() - positions[n]] + "' at position " +
                         std::to_string(positions[n]));
            const double right = (runs[n].right + 1) * kUnitsPerPixel;
            EXPECT_NEAR(right, kRightEnd - (positions[n] - 1) * 125.0, 5);
            if (n > 0 && positions[n - 1] == positions[n] + 1) {
                EXPECT_NEAR(right - (runs[n - 1].right + 1) * kUnitsPerPixel, 125, 10);
            }
        }
    }
}

// Prints the band `count` times and the report's first page into `pdf`: every word stands on
// the sheet and apart from the others.
void expectWordsOnTheSheetAndApart(rt::Report& report, int count,
                                   const std::filesystem::path& pdf) {
    std::string error;
    ASSERT_TRUE(report.open(error)) << error;
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(report.print(checks_layout::kCheckBand));
    ASSERT_TRUE(report.finish());
    ASSERT_TRUE(rendered::printToPdf({rt::readPage(report.pageNames().front()).page}, pdf, error))
        << error;
    report.close(error);
    testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {0, 0, 8500, 11000});
    testsupport::expectTheFontsOfTheWindows(pdf);
}

// Every field of a check filled with the longest value it holds, in capitals and the widest
// letters: from the printed PDF, no word leaves the sheet and none stands over another.
TEST(CheckPagesPdf, LongestValuesStayInTheirBoxesAndApart) {
    const std::string micr =
        checks_layout::MicrLine("1234567890", "123456789", "123456789012345678");
    testsupport::TempDir dir;
    for (CheckPage page : {CheckPage::Style1, CheckPage::Style1All, CheckPage::Style1Reprint,
                           CheckPage::Style2, CheckPage::Style2Reprint, CheckPage::ThreeUp,
                           CheckPage::Draft, CheckPage::BlankThreeUp, CheckPage::BlankOneUp}) {
        SCOPED_TRACE(static_cast<int>(page));
        rt::Report report(checks_layout::checkPageReport(page, widestFields(micr)));
        expectWordsOnTheSheetAndApart(report, 1, dir / "longest.pdf");
        // A blank check's amount line ends at its top rule's right end, as the sheet shows it.
        if (page != CheckPage::BlankThreeUp && page != CheckPage::BlankOneUp) continue;
        for (const testsupport::PdfWord& w : testsupport::pdfWords(dir / "longest.pdf")) {
            if (w.text.rfind("$_", 0) == 0) {
                EXPECT_LE(w.right, 250 + 42 + 7938 + 2);
            }
        }
    }
}

// The check and draft registers with the longest values: every word on the sheet and apart.
TEST(CheckPagesPdf, RegistersKeepTheLongestValuesInTheirColumns) {
    const checks_layout::FieldBinder bind = [](const std::string& name) {
        rt::Value v = rt::Value(std::string(name == "CHE:CHECKNUMBER" ? 10
                                            : name == "CHE:CHECKMEMO" ? 40
                                            : name == "CHE:X1"        ? 2
                                            : name == "CHE:X2"        ? 3
                                                                      : 30,
                                            'W'));
        if (name == "CHE:AMOUNT") v = rt::Value(rt::Decimal("99999.99"));
        if (name == "CHE:CHECKDATE") v = rt::Value(80000L);
        return [v] { return v; };
    };
    testsupport::TempDir dir;
    for (const rt::ReportStructure& structure :
         {checks_layout::registerReport(bind), checks_layout::draftRegisterReport(bind)}) {
        rt::Report report(structure);
        expectWordsOnTheSheetAndApart(report, 3, dir / "register.pdf");
    }
}

}  // namespace
