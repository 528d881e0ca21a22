// The zip-code and area-code tables driven as a user would.

#include <gtest/gtest.h>

#include <string>

#include "frame/codes.h"
#include "frame/globals.h"
#include "records/areacode.h"
#include "records/mail.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/driver.h"
#include "tests/support/temp_dir.h"

namespace {

class ReferenceTest : public ::testing::Test {
  protected:
    void TearDown() override { driver.finish(); }

    static void makeZips() {
        ZIP.create();
        ZIP.open();
        const char* rows[][3] = {{"Springfield Gardens East", "NY", "11413"},
                                 {"Albany", "NY", "12207"}};
        for (auto& r : rows) {
            ZIP.clear();
            ZIP::CITY.setText(r[0]);
            ZIP::STATE.setText(r[1]);
            ZIP::ZIP_.setText(r[2]);
            ZIP.add();
        }
        ZIP.close();
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(ReferenceTest, SelectingAZipCopiesCityStateAndZipIntoTheContact) {
    makeZips();
    std::string city, state, zip;
    long response = 0;
    driver.start([&] {
        MAIL.clear();
        GLO::Request = REQ::Select;
        ZipCode();
        response = GLO::Response;
        city = MAI::CITY.text();
        state = MAI::STATE.text();
        zip = MAI::ZIP.text();
    });
    driver.waitWindow("Browse the Zip File");
    driver.expectRow(rt::ControlName::parse("1"), 1, "Albany | NY | 12207");
    driver.choose(rt::ControlName::parse("1"), 2);
    driver.press("&Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(city, "Springfield Gar");  // the contact's city holds 15 characters
    EXPECT_EQ(state, "NY");
    EXPECT_EQ(zip, "11413       ");
}

TEST_F(ReferenceTest, TheLookupClosesWhenItsMaintenanceListCloses) {
    makeZips();
    long response = 0;
    driver.start([&] {
        GLO::Request = REQ::Select;
        ZipCode();
        response = GLO::Response;
    });
    driver.waitWindow("Browse the Zip File");
    driver.press("Update Zip Codes");
    driver.waitWindow("Browse the Zip File");
    driver.press("&Insert");
    driver.waitWindow("Adding a Zip Record");
    driver.type("ZIP:CITY", "Troy");
    driver.type("ZIP:STATE", "NY");
    driver.type("ZIP:ZIP", "12180");
    driver.press("OK");
    driver.waitWindow("Browse the Zip File");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    ZIP.open();
    EXPECT_EQ(ZIP.records(), 3);
    ZIP.close();
}

TEST_F(ReferenceTest, AreaCodesAreKeptThroughTheMaintenanceList) {
    driver.start(&AreaCodes);
    driver.waitWindow("Browse the Area Code File");
    driver.press("Update Area Codes");
    driver.waitWindow("Browse the Area Code File");
    driver.press("&Insert");
    driver.waitWindow("Adding a AreaCode Record");
    driver.type("ARE:AREACODE", "217");
    driver.type("ARE:STATE", "IL");
    driver.type("ARE:CITY", "Springfield");
    driver.type("ARE:TIMEZONE", "Central US");
    driver.press("OK");
    driver.waitWindow("Browse the Area Code File");
    driver.expectRow(rt::ControlName::parse("1"), 1, "217 | IL | Springfield | Central US");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    AREACODE.open();
    ASSERT_EQ(AREACODE.records(), 1);
    AREACODE.set();
    ASSERT_EQ(AREACODE.next(), 0);
    EXPECT_EQ(std::string(rt::clip(ARE::TIMEZONE.text())), "Central US");
    AREACODE.close();
}

}  // namespace
