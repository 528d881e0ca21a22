// The web bookmarks: categories on their tabs and the hand-over of an address.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drivers/driver.h"
#include "records/web.h"
#include "reference/reference_procedures.h"
#include "runtime/system/desktop_handover.h"
#include "tests/support/temp_dir.h"

namespace {

const rt::ControlName kList = rt::ControlName::parse("1");

class WebBookmarksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::setDesktopRecorder([this](const rt::DesktopHandOver& h) { handed.push_back(h); });
    }
    void TearDown() override {
        driver.finish();
        rt::setDesktopRecorder(nullptr);
    }

    static void addBookmark(const char* name, const char* url, const char* category) {
        WEB.clear();
        WEB::SITENAME.setText(name);
        WEB::URL.setText(url);
        WEB::GENERAL.setText(category);
        ASSERT_EQ(WEB.add(), 0);
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    std::vector<rt::DesktopHandOver> handed;
};

TEST_F(WebBookmarksTest, ABookmarkAddedInACategoryIsListedUnderItsTabAndAll) {
    driver.start(&WebBookMarks);
    driver.waitWindow("Browse the Web File");
    driver.press("Add");
    driver.waitWindow("Adding a Web Record");
    driver.expectText(rt::ControlName::parse("9"), "http://www.");
    driver.type("WEB:SITENAME", "Weather");
    driver.type("WEB:GENERAL", "News");
    driver.type("WEB:URL", "https://weather.example.org");
    driver.press("OK");
    driver.waitWindow("Browse the Web File");
    driver.expectRow(kList, 1, "Weather");
    driver.press("News");
    driver.expectRow(kList, 1, "Weather");
    driver.press("Sports");
    EXPECT_EQ(driver.active()->control(1)->rows->rowCount(), 0);
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(WebBookmarksTest, GoToSiteHandsOnlyWebAddresses) {
    struct Case {
        const char* url;
        const char* handed;  // nullptr: refused
    } cases[] = {
        {"https://example.org/a?b=1", "https://example.org/a?b=1"},
        {"www.example.com", "http://www.example.com"},
        {"", nullptr},
        {"/etc/passwd", nullptr},
        {"file:///etc/passwd", nullptr},
        {"calc.exe", nullptr},
        {"javascript:alert(1)", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        handed.clear();
        std::filesystem::remove("WEB.KVF");
        WEB.create();
        WEB.open();
        addBookmark("Site", c.url, "General");
        WEB.close();
        driver.start(&WebBookMarks);
        driver.waitWindow("Browse the Web File");
        driver.press("Press Here To Go To Site");
        if (c.handed) {
            driver.waitWindow("Browse the Web File");
            ASSERT_EQ(handed.size(), 1u);
            EXPECT_EQ(handed[0].address, c.handed);
        } else {
            driver.answer("OK");  // the refusal's message
            EXPECT_TRUE(handed.empty());
        }
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
}

}  // namespace
