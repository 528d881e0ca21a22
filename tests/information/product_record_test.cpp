// The product record: its name and its "What Else Do I Need?" text.

#include <gtest/gtest.h>

#include <string>

#include "drivers/driver.h"
#include "information/information_procedures.h"
#include "records/plf.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/temp_dir.h"

namespace {

class ProductRecordTest : public ::testing::Test {
  protected:
    void TearDown() override { driver.finish(); }

    static void addProduct(const char* name, const char* need) {
        PLF.clear();
        PLF::PRODUCTNAME.setText(name);
        PLF::NEED.setText(need);
        ASSERT_EQ(PLF.add(), 0);
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(ProductRecordTest, TheNameAndTheTextAreSavedOnlyBySave) {
    driver.start(&PrivateLabelMenu);
    driver.waitWindow("");
    driver.press("Press Here To Make A New Private File");
    driver.waitWindow("Software Name");
    driver.key("Insert");
    driver.waitWindow("Adding a PLF Record");
    driver.type("PLF:PRODUCTNAME", "Star Contacts");
    driver.press("What Else Do I Need Window. Check Paper Etc.");
    driver.waitWindow("Update Records...");
    driver.type("PLF:NEED", "Check paper and a laser printer.");
    driver.press("Add Information");
    driver.waitWindow("Adding a PLF Record");
    driver.press("SAVE");
    driver.waitWindow("Software Name");
    driver.expectRow(rt::ControlName::parse("1"), 1, "Star Contacts");
    // A changed text dropped by Cancel.
    driver.press("&Change Software Name Etc");
    driver.waitWindow("Changing a PLF Record");
    driver.press("What Else Do I Need Window. Check Paper Etc.");
    driver.waitWindow("Update Records...");
    driver.type("PLF:NEED", "Something else");
    driver.close();  // the close box asks nothing and keeps the text for the form
    driver.waitWindow("Changing a PLF Record");
    driver.press("Cancel");
    driver.waitWindow("Software Name");
    driver.press("Close");
    driver.waitWindow("");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    PLF.open();
    ASSERT_EQ(PLF.records(), 1);
    PLF.set();
    ASSERT_EQ(PLF.next(), 0);
    EXPECT_EQ(std::string(rt::clip(PLF::PRODUCTNAME.text())), "Star Contacts");
    EXPECT_EQ(PLF::NEED.text(), "Check paper and a laser printer.");
    PLF.close();
}

TEST_F(ProductRecordTest, ShowWhatElseNeededShowsTheFirstRecordWhateverTheBufferHolds) {
    PLF.create();
    PLF.open();
    addProduct("First", "The first record's text");
    addProduct("Second", "The second record's text");
    PLF.close();
    driver.start([] {
        PLF.open();
        PLF.set();
        PLF.next();
        PLF.next();  // the second record is in the buffer
        ShowWhatElseNeeded();
        PLF.close();
    });
    driver.waitWindow("");
    driver.expectText(rt::ControlName::parse("3"), "The first record's text");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

}  // namespace
