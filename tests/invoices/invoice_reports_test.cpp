// The invoice list's tags and filtered tabs, and the four invoice reports printed from it:
// the documents with their printed marks, the summary and the shipping labels, as the pages
// that reach the printer show them.
#include <gtest/gtest.h>

#include <thread>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_procedures.h"
#include "invoices/printed_mark.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/short_wait_seconds.h"
#include "tests/support/station_thread.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using namespace windows::invoice_list::InvoiceListControl;

class InvoiceReportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterInvoiceProcedures();
        GLO::CompanyName = "Acme Supply";
        GLO::CompanyAddress = "1 Main Street";
        GLO::CompanyCityStateZip = "Springfield IL 62704";
        GLO::SalesTaxRate = rt::Decimal("0.065");
        keeper = installPageKeeper();
    }
    void TearDown() override {
        driver.finish();
        rt::printer().reset();
    }

    void openList() {
        driver.start(&BrowseInvoices);
        driver.waitWindow("Browse Invoice Records");
    }
    // Presses a report's button and prints it at once.
    void print(const char* button) {
        driver.press(button);
        driver.waitWindow("Report Destination");
        driver.press("Print Report");
        driver.press("OK");
        driver.waitWindow("Browse Invoice Records");
    }
    void closeList() {
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
    int rows() {
        const rt::ControlState* list = driver.active()->control(List);
        return list->rows ? list->rows->rowCount() : 0;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    std::shared_ptr<PageKeeper> keeper;
};

std::vector<Invoice> tenInvoices() {
    std::vector<Invoice> all;
    const char* names[] = {"Jan", "Ida", "Hal", "Gus", "Fay", "Eve", "Dan", "Cy", "Bo", "Al"};
    for (int i = 0; i < 10; ++i)
        all.emplace_back(names[i], "Smith", i + 1, "", 1, "10.00", "0.65", "10.65");
    return all;
}

TEST_F(InvoiceReportsTest, TenTaggedInvoicesGiveNineLabelsOnPageOneAndOneOnPageTwo) {
    makeInvoices(tenInvoices());
    openList();
    driver.press("Tag &All");
    print("Print Taged Shipping Label");
    closeList();
    ASSERT_EQ(keeper->printed.size(), 2u);
    const rt::Page& first = keeper->printed[0];
    const rt::Page& second = keeper->printed[1];
    // Nine labels, three across and three down, in first-name order.
    const char* firstPage[] = {"Al", "Bo", "Cy", "Dan", "Eve", "Fay", "Gus", "Hal", "Ida"};
    for (int i = 0; i < 9; ++i) {
        const rt::PageText* name = findText(first, firstPage[i]);
        ASSERT_NE(name, nullptr) << firstPage[i];
        EXPECT_EQ(name->x, 254 + 2573 * (i % 3) + 177) << firstPage[i];
        EXPECT_EQ(name->y, 500 + 2958 * (i / 3) + 1917) << firstPage[i];
    }
    const rt::PageText* last = findText(second, "Jan");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 254 + 177);  // the top left label of the second sheet
    EXPECT_EQ(last->y, 500 + 1917);
    EXPECT_NE(findText(second, "Acme Supply"), nullptr);
    EXPECT_EQ(findText(second, "Ida"), nullptr);
}

TEST_F(InvoiceReportsTest, DocumentsPrintOneInvoiceAPageWithItsStoredFiguresAndMarkIt) {
    // The stored tax (1.00) is not what the rate would give (0.65): it prints as stored.
    makeInvoices({{"Bo", "Brown", 2, "", 1, "10.00", "1.00", "11.00"},
                  {"Al", "Adams", 1, "", 2, "5.00", "0.00", "10.00"},
                  {"Cy", "Clark", 3, "Y", 1, "1.00", "0.00", "1.00"}});
    openList();
    print("Print Unprinted Invoices");
    ASSERT_EQ(keeper->printed.size(), 2u);
    EXPECT_NE(findText(keeper->printed[0], "Al"), nullptr);
    EXPECT_NE(findText(keeper->printed[1], "Bo"), nullptr);
    EXPECT_NE(findText(keeper->printed[1], "1.00"), nullptr);   // the stored tax
    EXPECT_EQ(findText(keeper->printed[1], "0.65"), nullptr);   // not worked out again
    EXPECT_NE(findText(keeper->printed[1], "11.00"), nullptr);  // its stored total
    EXPECT_NE(findText(keeper->printed[0], "Acme Supply"), nullptr);
    EXPECT_NE(findText(keeper->printed[0], "Thank You For Your Business"), nullptr);
    // Lines 2 to 8 hold nothing: they print blank, not as "0 0.00 0.00". The page places
    // line 1 at 2323 + 1552 down; lines 2 to 8 from 2771 to 5458 below the same origin.
    int emptyLineTexts = 0;
    for (const rt::PageItem& item : keeper->printed[0].items) {
        const auto* t = std::get_if<rt::PageText>(&item);
        if (!t || t->y < 2771 + 1552 || t->y > 5458 + 1552) continue;
        ++emptyLineTexts;
        EXPECT_EQ(rt::clip(t->text), "") << t->x << "," << t->y << " [" << t->text << "]";
    }
    EXPECT_EQ(emptyLineTexts, 7 * 5);
    // Both are marked: the unprinted tab is empty and a second run prints nothing.
    driver.press("Unprinted Invoices Only");
    EXPECT_EQ(rows(), 0);
    keeper->printed.clear();
    driver.press("Print Unprinted Invoices");
    driver.waitWindow("Report Destination");
    driver.press("Print Report");
    driver.press("OK");
    driver.waitWindow("Browse Invoice Records");
    EXPECT_TRUE(keeper->printed.empty());
    driver.press("First Name");
    closeList();
    for (long number : {1L, 2L}) {
        ASSERT_TRUE(readInvoice(number));
        EXPECT_EQ(text(ORD::PRINTED), "Y");
        EXPECT_EQ(amount(ORD::TAX), number == 2 ? "1.00" : "0.00");
    }
}

TEST_F(InvoiceReportsTest, MarksThatCannotBeWrittenAreToldByInvoiceNumber) {
    // Each mark waits for the lock as every write does (5 seconds): one invoice is enough.
    makeInvoices({{"Al", "Adams", 11, "", 1, "10.00", "0", "10.00"}});
    testsupport::ShortWaitSeconds seconds(50);
    // Another station keeps the invoices locked while they print.
    testsupport::StationThread station([](testsupport::StationThread& self) {
        ORDERS.open();
        ASSERT_EQ(ORDERS.lock(1), 0);
        self.ready();
        self.waitForRelease();
        ORDERS.unlock();
        ORDERS.close();
    });
    ASSERT_TRUE(station.waitReady());
    openList();
    driver.press("Print Unprinted Invoices");
    driver.waitWindow("Report Destination");
    driver.press("Print Report");
    driver.press("OK");
    driver.expectMessage(
        "These invoices were printed but could not be marked as printed: 11. They are still "
        "listed as unprinted.");
    driver.answer("OK");
    driver.waitWindow("Browse Invoice Records");
    station.join();
    driver.press("Unprinted Invoices Only");
    EXPECT_EQ(rows(), 1);
    closeList();
    EXPECT_EQ(keeper->printed.size(), 1u);
}

TEST_F(InvoiceReportsTest, TaggedDocumentsReprintMarkedInvoices) {
    makeInvoices({{"Al", "Adams", 1, "Y", 1, "10.00", "0", "10.00"},
                  {"Bo", "Brown", 2, "", 1, "10.00", "0", "10.00"}});
    openList();
    driver.press("Tag &All");
    print("Print Tagged Invoice");
    closeList();
    EXPECT_EQ(keeper->printed.size(), 2u);
    ASSERT_TRUE(readInvoice(2));
    EXPECT_EQ(text(ORD::PRINTED), "Y");
}

TEST_F(InvoiceReportsTest, TheSummaryTakesTheTaggedInvoicesOrAllAndSumsThemOnce) {
    makeInvoices({{"Al", "Adams", 1, "", 1, "10.00", "0.65", "10.65", "Adams Co"},
                  {"Bo", "Brown", 2, "", 2, "10.00", "1.30", "21.30", "Brown Co"},
                  {"Cy", "Clark", 3, "", 3, "10.00", "1.95", "31.95", "Clark Co"}});
    openList();
    print("Print Tagged Rpt.");
    ASSERT_EQ(keeper->printed.size(), 1u);
    EXPECT_NE(findText(keeper->printed[0], "$3.90"), nullptr);
    EXPECT_NE(findText(keeper->printed[0], "$63.90"), nullptr);
    EXPECT_NE(findText(keeper->printed[0], "Clark Co"), nullptr);
    keeper->printed.clear();
    driver.press("Tag");  // Al
    driver.press("Tag");  // Bo
    print("Print Tagged Rpt.");
    closeList();
    ASSERT_EQ(keeper->printed.size(), 1u);
    EXPECT_EQ(findText(keeper->printed[0], "Clark Co"), nullptr);
    EXPECT_NE(findText(keeper->printed[0], "$1.95"), nullptr);   // 0.65 + 1.30
    EXPECT_NE(findText(keeper->printed[0], "$31.95"), nullptr);  // 10.65 + 21.30
    for (long number : {1L, 2L, 3L}) {
        ASSERT_TRUE(readInvoice(number));
        EXPECT_EQ(text(ORD::PRINTED), "");  // the summary marks nothing
    }
}

TEST_F(InvoiceReportsTest, TheListStartsUntaggedAndItsTabsFilter) {
    auto pointers = makeInvoices({{"Al", "Adams", 1, "Y", 1, "10.00", "0", "10.00"},
                                  {"Bo", "Brown", 2, "", 1, "10.00", "0", "10.00"},
                                  {"Cy", "Clark", 3, "", 1, "10.00", "0", "10.00"}});
    ORDERS.open();
    ORDERS.getPointer(pointers[1]);
    ORD::BALANCE.setText("12.5");
    ORDERS.put();
    ORDERS.getPointer(pointers[2]);
    ORD::BALANCE.setText("-3");
    ORDERS.put();
    ORDERS.close();
    openList();
    driver.press("Unprinted Invoices Only");
    EXPECT_EQ(rows(), 2);
    driver.press("Tag &All");
    driver.press("With Balance");
    EXPECT_EQ(rows(), 1);
    driver.expectRow(rt::ControlName::parse(std::to_string(List)), 1,
                     "X | Bo | Brown |  |  | 12.50");
    closeList();
    OpenTagFile_();
    EXPECT_EQ(GetTag_(TAG::Invoices, pointers[0]), 0);
    EXPECT_EQ(GetTag_(TAG::Invoices, pointers[1]), 1);
    EXPECT_EQ(GetTag_(TAG::Invoices, pointers[2]), 1);
    CloseTagFile_();
    openList();  // a new opening starts with no invoice tagged
    closeList();
    OpenTagFile_();
    EXPECT_EQ(CountTags_(TAG::Invoices), 0);
    CloseTagFile_();
}

TEST_F(InvoiceReportsTest, NoFurtherTaggedInvoiceIsToldWithTheInformationIconAndNoTitle) {
    makeInvoices({{"Al", "Adams", 1, "", 1, "10.00", "0", "10.00"},
                  {"Bo", "Brown", 2, "", 1, "10.00", "0", "10.00"}});
    openList();
    driver.press("&Tag");  // the first invoice; the highlight moves to the second
    driver.press("&Next Tag");
    auto dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->text, "There are no more tagged records!");
    EXPECT_EQ(dialogs[0]->caption, "");
    EXPECT_EQ(dialogs[0]->icon, ICON::Asterisk);
    driver.answer("OK");
    closeList();
}

// Another station changes the invoice between its printing and its mark.
TEST(PrintedMarkTest, TheMarkKeepsAnotherStationsChangeAndAFailedMarkIsTold) {
    testsupport::TempDir dir{/*enter=*/true};
    makeInvoices({{"Al", "Adams", 1, "", 1, "10.00", "0", "10.00"},
                  {"Bo", "Brown", 2, "", 1, "10.00", "0", "10.00"}});
    ORDERS.open();
    ORDERS.set(ORD::KEYINVOICENUMBER);
    ASSERT_EQ(ORDERS.next(), 0);  // invoice 1, as the report read it
    std::thread([] {
        ORDERS.open();
        ORDERS.clear();
        ORD::INVOICENUMBER.setInteger(1);
        ORDERS.get(ORD::KEYINVOICENUMBER);
        ORD::LASTNAME.setText("Adams-Bell");
        ORDERS.put();
        ORDERS.close();
    }).join();
    EXPECT_TRUE(MarkInvoicePrinted());

    ASSERT_EQ(ORDERS.next(), 0);  // invoice 2, deleted elsewhere before its mark
    std::thread([] {
        ORDERS.open();
        ORDERS.clear();
        ORD::INVOICENUMBER.setInteger(2);
        ORDERS.get(ORD::KEYINVOICENUMBER);
        ORDERS.deleteRecord();
        ORDERS.close();
    }).join();
    EXPECT_FALSE(MarkInvoicePrinted());
    ORDERS.close();

    ASSERT_TRUE(readInvoice(1));
    EXPECT_EQ(text(ORD::LASTNAME), "Adams-Bell");
    EXPECT_EQ(text(ORD::PRINTED), "Y");
}

}  // namespace
