// The zip-code and area-code tables driven as a user would.

#include <gtest/gtest.h>

#include <string>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/areacode.h"
#include "records/mail.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/window.h"
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

TEST_F(ReferenceTest, TheZipPopupSelectsOnlyInSelectModeAndTheAreaLookupHasNoPopup) {
    makeZips();
    const rt::ControlName list = rt::ControlName::parse("1");
    std::string city;
    long response = 0;
    driver.start([&] {
        MAIL.clear();
        MAI::CITY.setText("Keepsake");
        GLO::Request = 0;  // browsing
        ZipCode();
        response = GLO::Response;
        city = std::string(rt::clip(MAI::CITY.text()));
        AREACODE.create();
        AREACODE.open();
        AREACODE.clear();
        ARE::AREACODE.setText("518");
        ARE::CITY.setText("Albany");
        AREACODE.add();
        AREACODE.close();
        AreaCodes();
    });
    driver.waitWindow("Browse the Zip File");
    driver.click(list, 1, "RightClick");
    EXPECT_EQ(driver.backend().pendingDialogs().at(0)->menu, "~&Select");  // greyed
    driver.cancel();
    driver.press("Close");
    driver.waitWindow("Browse the Area Code File");
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(city, "Keepsake");
    driver.click(list, 1, "RightClick");
    EXPECT_TRUE(driver.backend().pendingDialogs().empty());
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
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

TEST_F(ReferenceTest, ListsKeepTheirControlsInProportionWhenResized) {
    ZIP.create();
    ZIP.open();
    for (int n = 0; n < 60; ++n) {
        ZIP.clear();
        ZIP::CITY.setText("City " + std::to_string(100 + n));
        ZIP::STATE.setText("NY");
        ZIP::ZIP_.setText(std::to_string(10000 + n));
        ZIP.add();
    }
    ZIP.close();
    AREACODE.create();
    AREACODE.open();
    for (int n = 0; n < 60; ++n) {
        AREACODE.clear();
        ARE::AREACODE.setInteger(200 + n);
        ARE::CITY.setText("City " + std::to_string(n));
        AREACODE.add();
    }
    AREACODE.close();
    struct Case {
        void (*list)();
        long request;
        const char* title;
    } cases[] = {{&ZipCode, REQ::Select, "Browse the Zip File"},
                 {&ZipCode2, 0, "Browse the Zip File"},
                 {&AreaCodes, 0, "Browse the Area Code File"},
                 {&UpdateAreaCodes, 0, "Browse the Area Code File"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title + std::string(c.request ? " (select)" : ""));
        driver.start([&] {
            GLO::Request = c.request;
            c.list();
        });
        driver.waitWindow(c.title);
        rt::Window& w = *driver.active();
        const rt::Rect opened = w.position(0);
        const rt::Rect list = w.position(1);
        const int rows = w.visibleRows(1);
        rt::Input resize;
        resize.kind = rt::Input::Kind::Resize;
        resize.number = opened.width * 3 / 2;
        resize.number2 = opened.height * 2;
        w.postInput(resize);
        driver.settle();
        EXPECT_GT(w.position(1).height, list.height);
        EXPECT_GT(w.position(1).width, list.width);
        EXPECT_GT(w.visibleRows(1), rows);
        EXPECT_EQ(w.control(1)->rows->rowCount(), w.visibleRows(1));
        // Never smaller than it opened.
        resize.number = opened.width / 2;
        resize.number2 = opened.height / 2;
        w.postInput(resize);
        driver.settle();
        EXPECT_EQ(w.position(0).width, opened.width);
        EXPECT_EQ(w.position(0).height, opened.height);
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
}

TEST_F(ReferenceTest, EachTabListsInItsOwnOrder) {
    ZIP.create();
    ZIP.open();
    const char* zips[][3] = {
        {"Austin", "TX", "73301"}, {"Boston", "MA", "02101"}, {"Camden", "AL", "36726"}};
    for (auto& r : zips) {
        ZIP.clear();
        ZIP::CITY.setText(r[0]);
        ZIP::STATE.setText(r[1]);
        ZIP::ZIP_.setText(r[2]);
        ZIP.add();
    }
    ZIP.close();
    AREACODE.create();
    AREACODE.open();
    struct {
        int code;
        const char *state, *city;
    } areas[] = {{201, "NJ", "Newark"}, {302, "DE", "Wilmington"}, {907, "AK", "Anchorage"}};
    for (auto& r : areas) {
        AREACODE.clear();
        ARE::AREACODE.setInteger(r.code);
        ARE::STATE.setText(r.state);
        ARE::CITY.setText(r.city);
        AREACODE.add();
    }
    AREACODE.close();
    struct Case {
        void (*list)();
        long request;
        const char* title;
        const char* tab;
        const char* firstRow;
    } cases[] = {
        {&ZipCode, REQ::Select, "Browse the Zip File", "State", "Camden | AL | 36726"},
        {&ZipCode, REQ::Select, "Browse the Zip File", "Zip Code", "Boston | MA | 02101"},
        {&ZipCode2, 0, "Browse the Zip File", "State", "Camden | AL | 36726"},
        {&ZipCode2, 0, "Browse the Zip File", "Zip", "Boston | MA | 02101"},
        {&AreaCodes, 0, "Browse the Area Code File", "State", "907 | AK | Anchorage | "},
        {&AreaCodes, 0, "Browse the Area Code File", "City", "907 | AK | Anchorage | "},
        {&UpdateAreaCodes, 0, "Browse the Area Code File", "State", "907 | AK | Anchorage | "},
        {&UpdateAreaCodes, 0, "Browse the Area Code File", "City", "907 | AK | Anchorage | "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + " / " + c.tab);
        driver.start([&] {
            GLO::Request = c.request;
            c.list();
        });
        driver.waitWindow(c.title);
        driver.press(c.tab);
        driver.expectRow(rt::ControlName::parse("1"), 1, c.firstRow);
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
}

TEST_F(ReferenceTest, UpdateFormsCannotShrinkBelowTheirOpeningSize) {
    struct Case {
        void (*form)();
        const char* title;
    } cases[] = {{&UpdateZip, "Adding a Zip Record"},
                 {&UpdateAreaCode, "Adding a AreaCode Record"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        driver.start([&] {
            GLO::Request = REQ::Insert;
            c.form();
        });
        driver.waitWindow(c.title);
        rt::Window& w = *driver.active();
        const rt::Rect opened = w.position(0);
        rt::Input resize;
        resize.kind = rt::Input::Kind::Resize;
        resize.number = opened.width / 2;
        resize.number2 = opened.height / 2;
        w.postInput(resize);
        driver.settle();
        EXPECT_EQ(w.position(0).width, opened.width);
        EXPECT_EQ(w.position(0).height, opened.height);
        driver.press("Cancel");
        ASSERT_TRUE(driver.finish());
    }
}

}  // namespace
