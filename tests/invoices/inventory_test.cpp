// The inventory and the item selectors driven as a user does.
#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "invoices/invoice_procedures.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using rt::ControlName;

class InventoryTest : public ::testing::Test {
  protected:
    void SetUp() override { RegisterInvoiceProcedures(); }
    void TearDown() override { driver.finish(); }

    std::string highlighted() {
        const rt::ControlState* list = driver.active()->control(1);
        return std::string(rt::clip(driver.active()->rowTexts(1, list->selectedRow).at(0)));
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    long response = 0;
    std::string item, price;  // the INVENTOR buffer as the selector left it

    void keepItem() {
        response = GLO::Response;
        item = text(INV::ITEM);
        price = amount(INV::PRICE);
    }
};

TEST_F(InventoryTest, AnItemNumberThatDiffersOnlyInCaseIsRefused) {
    makeItems({{"AB100", "Vitamin Pack", "19.99"}});
    driver.start(&InventoryFileBrowse);
    driver.waitWindow("Browse the INVENTORY File");
    driver.press("&Add");
    driver.waitWindow("Adding a INVENTOR Record");
    driver.type("INV:ITEM", "ab100");
    driver.type("INV:DISC", "Other Pack");
    driver.press("OK");
    driver.expectMessage("Adding this record creates a duplicate entry for the key:INV:KEYITEM");
    driver.answer("OK");
    driver.waitWindow("Adding a INVENTOR Record");
    driver.expectText(ControlName::parse("INV:DISC"), "Other Pack");
    driver.type("INV:ITEM", "AB200");
    driver.press("OK");
    driver.waitWindow("Browse the INVENTORY File");
    driver.expectRow(ControlName::parse("1"), 2, "AB200 | Other Pack | 0.00");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(InventoryTest, TheSelectorStepsThroughTheItemsThatBeginWithTheTypedLetter) {
    makeItems({{"A1", "One", "1.00"},
               {"B1", "Two", "2.00"},
               {"B2", "Three", "3.00"},
               {"C1", "Four", "4.00"}});
    driver.start([this] {
        INVENTOR.clear();
        GLO::Request = REQ::Select;
        LookUp4();
        keepItem();
    });
    driver.waitWindow("Browse the INVENTOR File");
    EXPECT_EQ(highlighted(), "A1");
    driver.key("B");
    EXPECT_EQ(highlighted(), "B1");
    driver.key("B");
    EXPECT_EQ(highlighted(), "B2");
    driver.key("B");
    EXPECT_EQ(highlighted(), "B1");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(item, "B1");  // the highlighted item, read again
}

TEST_F(InventoryTest, EnterInTheSelectorSelectsTheHighlightedItem) {
    makeItems({{"A1", "One", "1.00"}, {"B1", "Two", "2.00"}});
    driver.start([this] {
        INVENTOR.clear();
        GLO::Request = REQ::Select;
        LookUp2();
        keepItem();
    });
    driver.waitWindow("Browse the INVENTOR File");
    driver.key("Down");
    driver.key("Enter");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(item, "B1");
    EXPECT_EQ(price, "2.00");
}

TEST_F(InventoryTest, ASelectorOnAnEmptyInventoryAnswersAClearedItem) {
    makeItems({});
    driver.start([this] {
        INV::ITEM.setText("A1");
        GLO::Request = REQ::Select;
        LookUp8();
        keepItem();
    });
    driver.waitWindow("Browse the INVENTOR File");
    driver.press("&Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(item, "");
    EXPECT_EQ(price, "0.00");
}

}  // namespace
