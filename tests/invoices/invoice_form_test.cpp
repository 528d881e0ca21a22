// The invoice form driven as a user does, from the invoice list over real record files:
// numbering, the amounts worked out again on OK, the item selectors and the client list,
// the shipping calculator, the memo, and amounts that do not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "frame/globals.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_procedures.h"
#include "runtime/text/day_number.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using namespace windows::invoice_form;
using rt::ControlName;

class InvoiceFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterInvoiceProcedures();
        RegisterContactProcedures();
        GLO::SalesTaxRate = rt::Decimal("0.065");
        makeItems({{"A100", "Vitamin Pack", "19.99"}, {"B200", "Protein Shake", "5.00"}});
    }
    void TearDown() override { driver.finish(); }

    // The invoice list, with the first invoice opened in the form.
    void openFirstInvoice() {
        driver.start(&BrowseInvoices);
        driver.waitWindow("Browse Invoice Records");
        driver.press("&Open");
        driver.waitWindow("");
    }
    void closeList() {
        driver.waitWindow("Browse Invoice Records");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(InvoiceFormTest, ANewInvoiceIsNumberedDatedAndACancelLeavesNothing) {
    makeInvoices({});
    driver.start(&BrowseInvoices);
    driver.waitWindow("Browse Invoice Records");
    driver.press("Add");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:INVOICENUMBER"), "1");
    driver.expectText(ControlName::parse("ORD:TAXABLE"), "N");
    driver.press("Cancel");
    driver.press("Add");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:INVOICENUMBER"), "1");
    driver.type("ORD:FIRSTNAME", "Ann");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(1));
    EXPECT_EQ(text(ORD::FIRSTNAME), "Ann");
    EXPECT_EQ(ORD::ORDERDATE.integer(), rt::today());
    ORDERS.open();
    EXPECT_EQ(ORDERS.records(), 1);
    ORDERS.close();
}

// Delete in the list's locator deletes text there; the list's "&Delete" is not its key there.
TEST_F(InvoiceFormTest, DeleteInTheLocatorDeletesNoInvoice) {
    makeInvoices({{"Ann", "Smith", 7, "", 3, "19.99", "0", "59.97"}});
    driver.start(&BrowseInvoices);
    driver.waitWindow("Browse Invoice Records");
    driver.click(
        ControlName::parse(std::to_string(windows::invoice_list::InvoiceListControl::FirstName)), 0,
        "LeftClick");
    driver.key("Delete");
    driver.key("Backspace");
    closeList();
    ORDERS.open();
    EXPECT_EQ(ORDERS.records(), 1);
    ORDERS.close();
}

TEST_F(InvoiceFormTest, OkWorksOutEveryAmountAgainAndTypedTotalsDoNotSurvive) {
    makeInvoices({{"Ann", "Smith", 7, "", 3, "19.99", "0", "59.97"}});
    openFirstInvoice();
    driver.choose(ControlName::parse("ORD:TAXABLE"), 2);
    driver.type("ORD:Q1", "4");  // the price entry is not visited
    driver.type("ORD:T1", "1.00");
    driver.type("ORD:TOTAL", "5.00");
    driver.type("ORD:SHIPPING", "5.00");
    driver.type("ORD:PAID", "1,020.00");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(7));
    EXPECT_EQ(amount(ORD::T1), "79.96");
    EXPECT_EQ(amount(ORD::SUBTOTAL), "79.96");
    EXPECT_EQ(amount(ORD::TAX), "5.20");  // 5.1974
    EXPECT_EQ(amount(ORD::TOTAL), "90.16");
    EXPECT_EQ(text(ORD::PAID), "1020");  // plain number text, without grouping
    EXPECT_EQ(text(ORD::BALANCE), "-929.84");
}

TEST_F(InvoiceFormTest, ChosenItemsAndClientFillTheInvoiceAndAClosedListChangesNothing) {
    makeInvoices({{"", "", 3, "", 0, "0", "0", "0"}});
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    MAIL.clear();
    MAI::FIRSTNAME.setText("Ann");
    MAI::LASTNAME.setText("Smith");
    MAI::ZIP.setText("62704-1234");
    MAI::X10.setText("4111 1111");
    MAIL.add();
    MAIL.close();
    openFirstInvoice();
    driver.press(lookupButton(2));
    driver.waitWindow("Browse the INVENTOR File");
    driver.choose(ControlName::parse("1"), 2);
    driver.press("&Select");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:ITEMNO2"), "B200");
    driver.expectText(ControlName::parse("ORD:DISC2"), "Protein Shake");
    driver.expectText(ControlName::parse("ORD:P2"), "5.00");
    driver.expectText(ControlName::parse("ORD:T2"), "0.00");  // until the line is worked out
    // Closing a selector without a choice copies nothing.
    driver.press(lookupButton(3));
    driver.waitWindow("Browse the INVENTOR File");
    driver.press("Close");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:ITEMNO3"), "");
    driver.press("Select Client For Invoice");
    driver.waitWindow("");
    driver.press("Close");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:FIRSTNAME"), "");
    driver.press("Select Client For Invoice");
    driver.waitWindow("");
    driver.press("&Select");
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:FIRSTNAME"), "Ann");
    driver.expectText(ControlName::parse("ORD:ZIP"), "62704");
    driver.expectText(ControlName::parse("ORD:CARDNUMBER"), "4111 1111");
    driver.type("ORD:Q2", "2");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(3));
    EXPECT_EQ(text(ORD::ITEMNO2), "B200");
    EXPECT_EQ(amount(ORD::T2), "10.00");
    EXPECT_EQ(text(ORD::ITEMNO3), "");
    EXPECT_EQ(text(ORD::LASTNAME), "Smith");
}

// The calculator opens blank; its result is rounded half away from zero on the decimal it
// shows, and closing it untouched leaves the shipping as it was. A result the shipping
// cannot hold, however large, is refused and the shipping kept. The total follows at once.
TEST_F(InvoiceFormTest, TheShippingCalculatorTakesItsResultToTheCent) {
    const char* const tooLarge = "The shipping amount can be at most 999.99.";
    struct Case {
        std::vector<const char*> keys;  // buttons pressed in the calculator
        const char* shipping;
        const char* total;
        const char* refusal = nullptr;
        const char* typed = nullptr;  // typed into the display after the keys
    };
    const std::vector<Case> cases = {
        {{}, "5.00", "15.00"},
        {{"&3", "x", "&2", ".", "&5", "="}, "7.50", "17.50"},
        {{".", "&1", "&2", "&5"}, "0.13", "10.13"},
        {{"&2", ".", "&6", "&7", "&5"}, "2.68", "12.68"},
        {{"&1", ".", "&0", "&0", "&5"}, "1.01", "11.01"},
        {{"&1", "&0", "&0", "&0", "="}, "5.00", "15.00", tooLarge},
        {{"&1", "&0", " exp", "&3", "&0", "="}, "5.00", "15.00", tooLarge},        // 1E+30
        {{"&1", "&0", " exp", "&4", "&0", "&0", "="}, "5.00", "15.00", tooLarge},  // Overflow
        {{"&4", "1/x"}, "0.25", "10.25"},
        {{"&5", "+/-"}, "-5.00", "5.00"},
        {{},
         "5.00",
         "15.00",
         "The calculator shows no number to take as the shipping amount.",
         "12,50"},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shipping + std::string(" ") + std::to_string(c.keys.size()));
        ++number;
        makeInvoices({{"Ann", "Smith", number, "", 1, "10.00", "0", "10.00"}});
        openFirstInvoice();
        driver.type("ORD:SHIPPING", "5.00");
        driver.press(InvoiceFormControl::ShippingCalculator);
        driver.waitWindow("Shipping Calculator");
        driver.expectText(ControlName::parse("LOC:Display"), "");
        for (const char* key : c.keys)
            driver.press(key);
        if (c.typed) driver.type("LOC:Display", c.typed);
        driver.close();
        if (c.refusal) {
            driver.expectMessage(c.refusal);
            driver.answer("OK");
        }
        driver.waitWindow("");
        driver.expectText(ControlName::parse("ORD:SHIPPING"), c.shipping);
        driver.expectText(ControlName::parse("ORD:TOTAL"), c.total);
        driver.press("OK");
        closeList();
        ASSERT_TRUE(readInvoice(number));
        EXPECT_EQ(amount(ORD::SHIPPING), c.shipping);
        EXPECT_EQ(amount(ORD::TOTAL), c.total);
    }
}

// Every figure follows the change that moves it; an entry that would make the tax too large
// is refused as it is made, and with Taxable "N" the tax the field holds counts.
TEST_F(InvoiceFormTest, TheFiguresFollowEveryChangeAndATaxTooLargeIsRefusedAtItsEntry) {
    makeInvoices({{"Ann", "Smith", 9, "", 0, "0", "0", "0"}});
    openFirstInvoice();
    driver.type("ORD:Q1", "2");
    driver.type("ORD:P1", "10.00");
    driver.expectText(ControlName::parse("ORD:TOTAL"), "20.00");
    driver.choose(ControlName::parse("ORD:TAXABLE"), 2);  // "Y": 6.5 %
    driver.expectText(ControlName::parse("ORD:TAX"), "1.30");
    driver.expectText(ControlName::parse("ORD:TOTAL"), "21.30");
    driver.expectText(ControlName::parse("ORD:BALANCE"), "21.30");
    driver.type("ORD:Q1", "200");
    driver.type("ORD:P1", "99.99");
    driver.expectMessage("Tax 1299.87 is more than 999.99, the most it can hold.");
    driver.answer("OK");
    driver.expectText(ControlName::parse("ORD:P1"), "10.00");
    driver.expectText(ControlName::parse("ORD:TAX"), "130.00");
    driver.expectText(ControlName::parse("ORD:TOTAL"), "2,130.00");
    driver.choose(ControlName::parse("ORD:TAXABLE"), 1);  // "N"
    driver.type("ORD:Q1", "1");
    driver.expectText(ControlName::parse("ORD:TAX"), "130.00");  // what the field holds
    driver.expectText(ControlName::parse("ORD:TOTAL"), "140.00");
    driver.expectText(ControlName::parse("ORD:BALANCE"), "140.00");
    driver.type("ORD:TAX", "0");
    driver.expectText(ControlName::parse("ORD:TOTAL"), "10.00");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(9));
    EXPECT_EQ(amount(ORD::TAX), "0.00");
    EXPECT_EQ(amount(ORD::TOTAL), "10.00");
    EXPECT_EQ(text(ORD::BALANCE), "10");
}

// The entry that makes a line, the subtotal, the tax or the total too large for its field
// is refused as it is made: it shows what it held before, and every figure shown agrees
// with the others and with what OK then writes.
TEST_F(InvoiceFormTest, AnEntryThatMakesAnAmountTooLargeIsRefusedAsItIsMade) {
    struct Step {
        const char* field;
        const char* text;  // for ORD:TAXABLE the item number chosen
    };
    struct Case {
        std::vector<Step> before;  // accepted
        Step refused;
        const char* message;
        const char* shownAfter;  // the refused entry afterwards
        const char* total;
    };
    const char* const lineTooLarge =
        "Line 1 total 25499997.45 is more than 99999.99, the most it can hold.\n"
        "SubTotal 25499997.45 is more than 99999.99, the most it can hold.\n"
        "Total 25499997.45 is more than 99999.99, the most it can hold.";
    const std::vector<Case> cases = {
        {{{"ORD:Q1", "255"}}, {"ORD:P1", "99999.99"}, lineTooLarge, "10.00", "2,550.00"},
        {{{"ORD:P1", "99999.99"}}, {"ORD:Q1", "255"}, lineTooLarge, "1", "99,999.99"},
        {{{"ORD:P1", "99999.99"}, {"ORD:Q2", "1"}},
         {"ORD:P2", "1.00"},
         "SubTotal 100000.99 is more than 99999.99, the most it can hold.\n"
         "Total 100000.99 is more than 99999.99, the most it can hold.",
         "0.00",
         "99,999.99"},
        {{{"ORD:P1", "99999.99"}},
         {"ORD:SHIPPING", "5.00"},
         "Total 100004.99 is more than 99999.99, the most it can hold.",
         "0.00",
         "99,999.99"},
        {{{"ORD:P1", "99999.99"}},
         {"ORD:TAXABLE", "2"},
         "Total 106499.99 is more than 99999.99, the most it can hold.\n"
         "Tax 6500.00 is more than 999.99, the most it can hold.",
         "N",
         "99,999.99"},
    };
    int number = 20;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.refused.field) + " " + c.refused.text);
        ++number;
        makeInvoices({{"Ann", "Smith", number, "", 1, "10.00", "0", "10.00"}});
        openFirstInvoice();
        auto enter = [&](const Step& step) {
            if (std::string(step.field) == "ORD:TAXABLE")
                driver.choose(ControlName::parse(step.field), std::stoi(step.text));
            else
                driver.type(step.field, step.text);
        };
        for (const Step& step : c.before)
            enter(step);
        enter(c.refused);
        driver.expectMessage(c.message);
        driver.answer("OK");
        driver.expectText(ControlName::parse(c.refused.field), c.shownAfter);
        driver.expectText(ControlName::parse("ORD:SUBTOTAL"), c.total);
        driver.expectText(ControlName::parse("ORD:TOTAL"), c.total);
        driver.expectText(ControlName::parse("ORD:BALANCE"), c.total);
        driver.press("OK");
        closeList();
        ASSERT_TRUE(readInvoice(number));
        std::string total = c.total;
        total.erase(std::remove(total.begin(), total.end(), ','), total.end());
        EXPECT_EQ(amount(ORD::SUBTOTAL), total);
        EXPECT_EQ(amount(ORD::TOTAL), total);
    }
}

// An invoice stored with a line its total cannot hold is refused on OK, naming every amount
// out of bounds, and nothing is written until the line is mended.
TEST_F(InvoiceFormTest, AStoredLineTooLargeIsRefusedOnOkAndNothingIsWritten) {
    makeInvoices({{"Ann", "Smith", 5, "", 255, "999.99", "0", "10.00"}});
    openFirstInvoice();
    driver.press("OK");
    driver.expectMessage(
        "Line 1 total 254997.45 is more than 99999.99, the most it can hold.\n"
        "SubTotal 254997.45 is more than 99999.99, the most it can hold.\n"
        "Total 254997.45 is more than 99999.99, the most it can hold.");
    driver.answer("OK");
    driver.waitWindow("");
    driver.type("ORD:Q1", "2");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(5));
    EXPECT_EQ(amount(ORD::T1), "1999.98");
    EXPECT_EQ(amount(ORD::TOTAL), "1999.98");
}

TEST_F(InvoiceFormTest, AQuantityTheLineCannotHoldIsRefusedAndTheOldOneKept) {
    makeInvoices({{"Ann", "Smith", 8, "", 1, "10.00", "0", "10.00"}});
    openFirstInvoice();
    driver.type("ORD:Q1", "300");  // a quantity holds 0 to 255
    driver.expectMessage("Type a whole number from 0 to 255.");
    driver.answer("OK");
    driver.expectText(ControlName::parse("ORD:Q1"), "1");
    EXPECT_EQ(driver.active()->focus(), quantityEntry(1));
    driver.type("ORD:Q1", "3");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(8));
    EXPECT_EQ(ORD::Q1.integer(), 3);
    EXPECT_EQ(amount(ORD::T1), "30.00");
}

TEST_F(InvoiceFormTest, TheMemoIsWrittenWithTheInvoice) {
    makeInvoices({{"Ann", "Smith", 6, "", 1, "10.00", "0", "10.00"}});
    openFirstInvoice();
    driver.press("MEMO");
    driver.waitWindow("Invoice Memo This Will Print On Invoice");
    driver.type("ORD:MEMO", "Leave at the back door");
    driver.press("Ok");
    driver.waitWindow("");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(6));
    EXPECT_EQ(ORD::MEMO.text(), "Leave at the back door");
}

}  // namespace
