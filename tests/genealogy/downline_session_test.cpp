// The genealogy driven as a user does, from the main contacts list: the sponsor chosen in
// the panel's sponsor list is taken over by the contact form, "Post New Distributor" raises
// the sponsors' counts shown in the levels list, "Search Upline" marks the sponsors above the
// contact highlighted in the main list, "View" lists them and the clearing empties the list.
// The panel also runs on its own thread beside a main list that stays usable.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/contact_procedures.h"
#include "contacts/contacts_list_window.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "runtime/ui/scheduler.h"
#include "tests/genealogy/driver_steps.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;
using genealogytest::number;
using genealogytest::rowsOf;
using genealogytest::storedMembers;
namespace Main = windows::contacts_list::ContactsControl;

constexpr int kUplineList = 3;

class DownlineSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSponsor();
        RegisterContactProcedures();
        RegisterGenealogyProcedures();
    }
    void TearDown() override {
        driver.finish();
        resetSponsor();
    }
    static void resetSponsor() {
        GLO::SponsorIdNumber = "";
        GLO::SponsorLevel = "";
        GLO::SponsorName = "";
    }

    // The names of the marked members, in record order.
    static std::vector<std::string> marked() {
        std::vector<std::string> names;
        for (const auto& m : storedMembers())
            if (m.mark == "X") names.push_back(m.name);
        return names;
    }

    // The main list's window, wherever it stands among the open windows.
    static rt::Window* mainList() {
        std::lock_guard lock(rt::Scheduler::instance().mutex());
        for (rt::Window* w : rt::Scheduler::instance().zOrder())
            if (w->title() == "Names And Information") return w;
        return nullptr;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(DownlineSessionTest, ASponsorTakenOverAndPostedIsCountedMarkedAndCleared) {
    std::vector<Member> members = {{"Top", "T", "", 1}, {"Sam", "S1", "T", 2}, {"Dan", "D1", ""}};
    makeMembers(members);
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    // First-name order: Dan, Sam, Top.
    driver.press(Main::MlmPanel);
    driver.waitWindow("Close Panel->");
    driver.press("Sponsor");
    driver.waitWindow("Browse the Sponsor File");
    driver.choose(number(6), 2);
    driver.press("Press Here Then Press Select");
    driver.press("Select");
    driver.waitWindow("Close Panel->");
    EXPECT_EQ(std::string(GLO::SponsorIdNumber.view()).substr(0, 2), "S1");
    EXPECT_EQ(std::string(GLO::SponsorLevel.view()).substr(0, 1), "2");
    EXPECT_EQ(std::string(GLO::SponsorName.view()).substr(0, 10), "Sam Member");
    driver.press("Close");

    driver.waitWindow("Names And Information");
    driver.choose(number(Main::List), 1);
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.press("...");
    driver.expectText(rt::ControlName::parse("MAI:SPONSORID"), "S1");
    driver.expectText(rt::ControlName::parse("MAI:LEVEL"), "3");
    driver.expectText(rt::ControlName::parse("MAI:SPONSOR"), "Sam Member");
    driver.press("OK");
    driver.waitWindow("Names And Information");
    driver.press("Post New Distributor");

    driver.press(Main::MlmPanel);
    driver.waitWindow("Close Panel->");
    driver.press("Downline On Screen");
    driver.waitWindow("Browse the Levels File");
    driver.choose(number(5), 2);  // Sam, on level 2
    driver.expectText(rt::ControlName::parse("MAI:L1"), "1");
    driver.choose(number(5), 1);  // Top, on level 1
    driver.expectText(rt::ControlName::parse("MAI:L2"), "1");
    driver.expectText(rt::ControlName::parse("MAI:L1"), "0");
    driver.press("Close");

    driver.waitWindow("Close Panel->");
    driver.press("Search Upline");
    EXPECT_EQ(marked(), (std::vector<std::string>{"Top", "Sam"}));
    driver.press("View");
    driver.waitWindow("Browse the Sponsor File");
    EXPECT_EQ(rowsOf(driver, kUplineList), 2);
    driver.expectRow(number(kUplineList), 1, "1 |  | Top | Member | T");
    driver.expectRow(number(kUplineList), 2, "2 | 1 | Sam | Member | S1");
    driver.press("Close");
    driver.waitWindow("Close Panel->");
    driver.press("Clear View Above");
    testsupport::runTimersToEnd(driver);
    driver.waitWindow("Close Panel->");
    EXPECT_TRUE(marked().empty());
    driver.press("View");
    driver.waitWindow("Browse the Sponsor File");
    EXPECT_EQ(rowsOf(driver, kUplineList), 0);
    driver.press("Close");
    driver.waitWindow("Close Panel->");
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(DownlineSessionTest, ThePanelOnItsOwnThreadSearchesFromTheContactHighlightedInTheMainList) {
    makeMembers({{"Top", "T", "", 1},
                 {"Sam", "S1", "T", 2},
                 {"Dan", "D1", "S1", 3},
                 {"Eve", "E1", "D1", 4}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    // First-name order: Dan, Eve, Sam, Top; Dan is highlighted.
    driver.press(Main::ToolMlmPanel);
    driver.waitWindow("Close Panel->");
    // A procedure called from the panel opens and closes MAIL on the panel's thread first.
    driver.press("Sponsor");
    driver.waitWindow("Browse the Sponsor File");
    driver.close();
    driver.waitWindow("Close Panel->");
    driver.press("Search Upline");
    EXPECT_EQ(marked(), (std::vector<std::string>{"Top", "Sam"}));

    // The main list, below the panel, is still usable: Eve is highlighted there.
    rt::Window* list = mainList();
    ASSERT_NE(list, nullptr);
    rt::Input choose;
    choose.kind = rt::Input::Kind::Choose;
    choose.control = Main::List;
    choose.number = 2;
    ASSERT_TRUE(rt::Window::postInputIfOpen(list, choose, 0));
    driver.settle();
    driver.waitWindow("Close Panel->");
    driver.press("Search Upline");
    EXPECT_EQ(marked(), (std::vector<std::string>{"Top", "Sam", "Dan"}));
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

}  // namespace
