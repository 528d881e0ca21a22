// The web bookmarks list through real widgets (offscreen): the site-name entry, typed and
// left with Tab as the user does, locates within the category tab that is showing.

#include <gtest/gtest.h>

#include <QApplication>

#include "drivers/qt/qt_driver.h"
#include "records/web.h"
#include "reference/reference_procedures.h"
#include "reference/web_list_window.h"
#include "runtime/qt/page_painter.h"
#include "tests/support/temp_dir.h"

namespace {

namespace C = windows::web_list::WebListControl;

const rt::ControlName kList = rt::ControlName::parse(std::to_string(C::List));
const rt::ControlName kSiteName = rt::ControlName::parse(std::to_string(C::SiteName));

void addBookmarks() {
    const char* bookmarks[][2] = {{"Alpha", "General"},    {"Mail", "General"}, {"Maps", "News"},
                                  {"Movies", "News"},      {"Weather", "News"}, {"Zoo", "General"},
                                  {"Mortgages", "Finance"}};
    WEB.create();
    WEB.open();
    for (const auto& [name, category] : bookmarks) {
        WEB.clear();
        WEB::SITENAME.setText(name);
        WEB::URL.setText(std::string("https://") + name + ".example.org");
        WEB::GENERAL.setText(category);
        ASSERT_EQ(WEB.add(), 0);
    }
    WEB.close();
}

// The site name of the row the list highlights.
std::string highlighted(rt::qt::QtDriver& driver) {
    const std::string row = driver.text(kList);
    return row.substr(0, row.find(" | "));
}

TEST(WebBookmarksQt, TheSiteNameEntryLocatesWithinTheTabShowing) {
    testsupport::TempDir dir{/*enter=*/true};
    addBookmarks();
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    rt::qt::QtDriver driver;
    driver.start(&WebBookMarks);
    driver.waitWindow("Browse the Web File");
    struct Case {
        const char* tab;
        const char* typed;
        const char* found;  // the tab's first bookmark at or after the typed name
    } cases[] = {
        {"News", "Mo", "Movies"},   // "Mortgages" of Finance sorts between, but is not here
        {"News", "mAP", "Maps"},    // letter case does not matter
        {"News", "Zz", "Weather"},  // after every name of the tab: its last bookmark
        {"General", "Mb", "Zoo"},   // the News and Finance names between are passed over
        {"Finance", "A", "Mortgages"}, {"All", "Mo", "Mortgages"},  // every category
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tab) + " \"" + c.typed + "\"");
        driver.press(rt::ControlName::parse("\"" + std::string(c.tab) + "\""));
        driver.type(kSiteName, c.typed);
        EXPECT_EQ(highlighted(driver), c.found);
    }
    // The entry's text became the tab's locator: a key typed in the list goes on with it.
    driver.press(rt::ControlName::parse("\"News\""));
    driver.type(kSiteName, "M");
    EXPECT_EQ(highlighted(driver), "Maps");
    driver.key("o");
    EXPECT_EQ(highlighted(driver), "Movies");
    driver.press(rt::ControlName::parse("\"Close\""));
    EXPECT_TRUE(driver.finish());
}

}  // namespace
