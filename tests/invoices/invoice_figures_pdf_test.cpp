// The invoice summary and the invoice document printed into a PDF and read back: every
// figure whole, sign included, inside its box with room to spare, with ordinary values and
// with the widest; the memo printed whole, or ended with a sign where it cannot be.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "frame/globals.h"
#include "records/orders.h"
#include "runtime/text/day_number.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/invoices/invoice_pdf_printing.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using testsupport::PdfWord;

// A twentieth of an inch, in the thousandths the words are read in.
constexpr double kRoom = 50;

// A box on the sheet, in thousandths of an inch from its top left.
struct Box {
    double left, top, right, bottom;
};

// The invoice document's frames on the sheet (the form's boxes, 500 from the sheet's edge).
constexpr Box kHeadingBox{552, 542, 7969, 1896};
constexpr Box kClientBox{552, 2010, 7969, 3364};
constexpr Box kTotalsBox{5146, 8365, 7938, 9823};
constexpr Box kMemoBox{625, 8323, 5010, 9563};
// The item table's last column, from its bar to the table's frame.
constexpr Box kLineTotalColumn{5886, 3760, 7927, 8333};

class InvoiceFiguresPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterInvoiceProcedures();
        GLO::CompanyName = "Acme Supply";
        GLO::CompanyAddress = "1 Main St";
        GLO::CompanyCityStateZip = "Springfield IL 62704";
        GLO::CompanyPhone = "2175550100";
        GLO::CompanyFax = "2175550101";
    }

    // The words of the first page of a report of the invoice list, printed into a PDF.
    std::vector<PdfWord> printFirstPage(const char* button) {
        if (!printFirstPageToPdf(button, pdf)) return {};
        return testsupport::pdfWords(pdf);
    }

    testsupport::TempDir dir{/*enter=*/true};
    const std::filesystem::path pdf = dir / "printed.pdf";
};

// The first word that reads `text`; fails when there is none.
const PdfWord* find(const std::vector<PdfWord>& words, const std::string& text) {
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    ADD_FAILURE() << '"' << text << "\" is not on the page";
    return nullptr;
}

// Each word that reads `figure` in `box` (its head and middle) stands inside it with room,
// and with room beside the other words of its line; there is at least one.
void expectFigureInBox(const std::vector<PdfWord>& words, const std::string& figure,
                       const Box& box) {
    int found = 0;
    for (const PdfWord& w : words) {
        const double centre = (w.left + w.right) / 2;
        if (w.text != figure || w.top < box.top - 2 || w.top > box.bottom || centre < box.left ||
            centre > box.right)
            continue;
        ++found;
        EXPECT_GE(w.left, box.left + kRoom) << figure;
        EXPECT_LE(w.right, box.right - kRoom) << figure;
        EXPECT_LE(w.bottom, box.bottom) << figure;
        for (const PdfWord& other : words) {
            if (&other == &w || other.bottom <= w.top || other.top >= w.bottom) continue;
            const bool apart = other.right + kRoom <= w.left || w.right + kRoom <= other.left;
            EXPECT_TRUE(apart) << figure << " (" << w.left << " to " << w.right << ") beside "
                               << other.text << " (" << other.left << " to " << other.right << ")";
        }
    }
    EXPECT_GT(found, 0) << '"' << figure << "\" is not in its box";
}

// The summary's sums stand in the frame of its last band, which runs from 125 above its
// captions to 292 below them, across the band.
Box summaryTotalsFrame(const std::vector<PdfWord>& words) {
    const PdfWord* orders = find(words, "Orders");
    if (!orders) return {};
    return {583, orders->top - 140, 7958, orders->top + 292};
}

// Ordinary figures, and credit invoices at the widest their fields hold, print whole with
// their sign, inside their columns and their frame with room to spare.
TEST_F(InvoiceFiguresPdf, TheSummaryPrintsEveryFigureWholeInsideItsBox) {
    struct Case {
        std::vector<Invoice> invoices;
        std::vector<const char*> figures;
        const char* taxes;
        const char* totals;
    };
    const std::vector<Case> cases = {
        {{{"Ann", "Smith", 1, "", 3, "19.99", "3.90", "68.87", "Acme"},
          {"Bob", "Jones", 2, "", 2, "41.00", "3.07", "92.07", "Bolt Co"}},
         {"$3.90", "$68.87", "$3.07", "$92.07"},
         "$6.97",
         "$160.94"},
        {{{"Ann", "Smith", 1, "", 0, "0", "-999.99", "-99999.99", "Credit"},
          {"Bob", "Jones", 2, "", 0, "0", "-100.00", "-10000.00", "Credit"},
          {"Cy", "Oz", 3, "", 0, "0", "-999.99", "-99999.99", "Credit"}},
         {"-$999.99", "-$99,999.99", "-$100.00", "-$10,000.00"},
         "-$2,099.98",
         "-$209,999.98"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.totals);
        makeInvoices(c.invoices);
        const std::vector<PdfWord> words = printFirstPage("Print Tagged Rpt.");
        ASSERT_FALSE(words.empty());
        std::ostringstream all;
        for (const PdfWord& w : words)
            all << w.text << ' ';
        EXPECT_EQ(all.str().find("##"), std::string::npos) << all.str();
        const Box details{500, 1500, 8000, 10250};
        for (const char* figure : c.figures)
            expectFigureInBox(words, figure, details);
        const Box frame = summaryTotalsFrame(words);
        expectFigureInBox(words, c.taxes, frame);
        expectFigureInBox(words, c.totals, frame);
    }
}

// The invoice document with ordinary values and with the widest a credit invoice holds,
// printed by both runs (the unprinted run puts its date elsewhere): each figure inside its
// frame, and nothing left of the telephone number but the heading's own frame.
TEST_F(InvoiceFiguresPdf, TheDocumentPrintsEveryFigureInsideItsBox) {
    struct Case {
        Invoice invoice;
        const char *shipping, *paid, *balance;
        const char* number;
        std::vector<const char*> lineFigures, totals;
    };
    const std::vector<Case> cases = {
        {{"Ann", "Smith", 1042, "", 3, "19.99", "3.90", "68.87", "Acme"},
         "5",
         "20",
         "48.87",
         "1,042",
         {"59.97"},
         {"59.97", "3.90", "5.00", "68.87", "20.00", "48.87"}},
        {{"Ann", "Smith", 2147483647, "", 1, "-99999.99", "-999.99", "-99999.99", "Acme"},
         "-999.99",
         "-99999.99",
         "-99999.99",
         "2,147,483,647",
         {"-99,999.99"},
         {"-99,999.99", "-999.99"}},
    };
    const Box priceColumn{4251, 3760, 5823, 8333};
    for (const char* button : {"Print Tagged Invoice", "Print Unprinted Invoices"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(button) + " " + c.number);
            makeInvoices({c.invoice});
            ORDERS.open();
            ORDERS.set();
            ASSERT_EQ(ORDERS.next(), 0);
            ORD::ORDERDATE.setInteger(rt::date(12, 28, 2026));
            ORD::SHIPPING.setNumber(rt::Decimal(c.shipping));
            ORD::PAID.setText(c.paid);
            ORD::BALANCE.setText(c.balance);
            ASSERT_EQ(ORDERS.put(), 0);
            ORDERS.close();
            const std::vector<PdfWord> words = printFirstPage(button);
            ASSERT_FALSE(words.empty());
            expectFigureInBox(words, "12/28/26", kHeadingBox);
            expectFigureInBox(words, "217-555-0100", kHeadingBox);
            expectFigureInBox(words, "217-555-0101", kHeadingBox);
            expectFigureInBox(words, c.number, kClientBox);
            for (const char* figure : c.lineFigures)
                expectFigureInBox(words, figure, kLineTotalColumn);
            if (c.invoice.price[0] == '-') expectFigureInBox(words, "-99,999.99", priceColumn);
            for (const char* figure : c.totals)
                expectFigureInBox(words, figure, kTotalsBox);
            // No ink between the sheet's margin and the heading's frame beside the telephone.
            const testsupport::GreyPage page = testsupport::greyPage(pdf, 100);
            ASSERT_GT(page.width, 0);
            for (int y = 140; y < 175; ++y)
                for (int x = 50; x < 54; ++x)
                    EXPECT_FALSE(page.ink(x, y)) << "ink at " << x * 10 << ", " << y * 10;
        }
    }
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// A memo as long as the memo window takes prints whole, in smaller type, inside its box;
// one that cannot fit even then prints what fits and ends with an ellipsis.
TEST_F(InvoiceFiguresPdf, TheMemoPrintsWholeOrEndsWithASign) {
    std::string full;
    for (int n = 1; full.size() < 990; ++n)
        full += (full.empty() ? "" : " ") + std::string(n % 3 ? "ship" : "Delivery") +
                std::to_string(n);
    full.resize(full.rfind(' '));
    std::string manyLines;
    for (int n = 1; n <= 60; ++n)
        manyLines += "Line" + std::to_string(n) + "\r\n";
    for (const std::string& memo : {full, manyLines}) {
        SCOPED_TRACE(memo.substr(0, 20));
        makeInvoices({{"Ann", "Smith", 7, "", 3, "19.99", "3.90", "68.87", "Acme"}});
        ORDERS.open();
        ORDERS.set();
        ASSERT_EQ(ORDERS.next(), 0);
        ORD::MEMO.setText(memo);
        ASSERT_EQ(ORDERS.put(), 0);
        ORDERS.close();
        const std::vector<PdfWord> words = printFirstPage("Print Tagged Invoice");
        std::vector<std::string> printed;
        // The words whose line starts in the memo's box (a word's box as read runs below
        // its letters, by the font's whole descent).
        for (const PdfWord& w : words) {
            if (w.left < kMemoBox.left - 2 || w.right > kMemoBox.right + 2 ||
                w.top < kMemoBox.top - 2 || w.top > kMemoBox.bottom)
                continue;
            printed.push_back(w.text);
        }
        const std::vector<std::string> typed = wordsOf(memo);
        ASSERT_FALSE(printed.empty());
        if (memo == full) {
            EXPECT_EQ(printed, typed) << "every word of the memo, in its box, in order";
            continue;
        }
        // What fits, in order, the last word ending in the sign that more was left out.
        ASSERT_LT(printed.size(), typed.size());
        const std::string ellipsis = "\xE2\x80\xA6";
        ASSERT_GE(printed.back().size(), ellipsis.size());
        EXPECT_EQ(printed.back().substr(printed.back().size() - ellipsis.size()), ellipsis);
        printed.back().resize(printed.back().size() - ellipsis.size());
        for (std::size_t i = 0; i < printed.size(); ++i)
            EXPECT_EQ(printed[i], typed[i]);
    }
}

}  // namespace
