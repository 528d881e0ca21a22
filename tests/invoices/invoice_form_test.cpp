// The invoice form driven as a user does, from the invoice list over real record files:
// numbering, the amounts worked out again on OK, the item selectors and the client list,
// the shipping calculator, the memo, and amounts that do not fit.
#include <gtest/gtest.h>

#include "contacts/contact_procedures.h"
#include "frame/globals.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_procedures.h"
#include "runtime/text/day_number.h"
#include "runtime/ui/driver.h"
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

TEST_F(InvoiceFormTest, TheShippingCalculatorOpensOnTheShippingAmount) {
    makeInvoices({{"Ann", "Smith", 4, "", 1, "10.00", "0", "10.00"}});
    openFirstInvoice();
    driver.type("ORD:SHIPPING", "7.50");
    driver.press(InvoiceFormControl::ShippingCalculator);
    driver.waitWindow("Shipping Calculator");
    driver.expectText(ControlName::parse("LOC:Display"), "7.5");
    driver.close();
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:SHIPPING"), "7.50");
    driver.press(InvoiceFormControl::ShippingCalculator);
    driver.waitWindow("Shipping Calculator");
    driver.press("+");
    driver.press("&2");
    driver.press("=");
    driver.close();
    driver.waitWindow("");
    driver.expectText(ControlName::parse("ORD:SHIPPING"), "9.50");
    driver.press("OK");
    closeList();
    ASSERT_TRUE(readInvoice(4));
    EXPECT_EQ(amount(ORD::SHIPPING), "9.50");
    EXPECT_EQ(amount(ORD::TOTAL), "19.50");
}

TEST_F(InvoiceFormTest, AmountsTooLargeAreRefusedOnOkAndNothingIsWritten) {
    makeInvoices({{"Ann", "Smith", 5, "", 1, "10.00", "0", "10.00"}});
    openFirstInvoice();
    driver.type("ORD:Q1", "255");
    driver.type("ORD:P1", "999.99");
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
