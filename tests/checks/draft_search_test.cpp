// The draft-day search of the monthly drafts list: ranges of days tag the drafts in them,
// an empty range or a day no draft has says so and tags nothing, bad criteria are refused
// with a message, and "&Edit This" changes the found draft's day in the same window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "checks/check_procedures.h"
#include "checks/draft_search_window.h"
#include "checks/monthly_drafts_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
namespace S = windows::draft_search::DraftSearchControl;

Check draft(const char* last, const char* day) {
    Check c("Al", last, "Acme", "10.00", "", "3");
    c.draftDay = day;
    return c;
}

class DraftSearchTest : public testing::Test {
  protected:
    void SetUp() override {
        RegisterCheckProcedures();
        // Eck's day is blank; Fox is an ordinary check, not a draft.
        pointers_ = makeChecks({draft("Adams", "1"), draft("Brown", "5"), draft("Cole", "15"),
                                draft("Dunn", "16"), draft("Eck", ""), draft("Fox", "31")});
        GLO::KeptEditX = GLO::KeptEditY = 0;
        GLO::ChangeFormPlaced = false;
    }
    void TearDown() override { driver.finish(); }

    void openSearch() {
        driver.start(&BrowseMonthlyDrafts);
        driver.waitWindow("Print Monthly Drafts");
        driver.press("&Search");
        driver.waitWindow("Enter Search Criteria");
    }

    // Chooses a match type for the day typed; a range asks for its upper limit next.
    void chooseType(const char* type) {
        driver.press("&Search Type");
        driver.waitWindow("Match Type for NUMBER Field");
        driver.press(type);
        driver.press("OK");
    }

    // Begins the search on the criteria given, tags what it finds and closes the list.
    void selectMatchesAndClose() {
        driver.waitWindow("Enter Search Criteria");
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press("&Select");
        driver.waitWindow("Print Monthly Drafts");
        driver.expectText(rt::ControlName::parse("\"Sho&w All\""), "Sho&w All");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }

    // Finds the drafts of a day with "&Edit", checks the first shown and hands it to the
    // change form with "&Edit This".
    void editFirstDraftOfDay(const char* day) {
        openSearch();
        driver.type("CHE:X1", day);
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press("&Edit");
        driver.waitWindow("Enter Search Criteria");
        driver.expectText(rt::ControlName::parse("CHE:X1"), day);
        driver.press("&Edit This");
        driver.waitWindow("Enter Search Criteria");
    }

    // The last names of the drafts tagged after the list has closed.
    std::vector<std::string> taggedNames() {
        std::vector<std::string> names;
        OpenTagFile_();
        CHECKS.open();
        CHECKS.set(CHE::KEYLASTNAME);
        while (CHECKS.next() == 0)
            if (GetTag_(TAG::MonthlyDrafts, static_cast<long>(CHECKS.pointer())) != 0)
                names.emplace_back(rt::clip(CHE::LASTNAME.text()));
        CHECKS.close();
        CloseTagFile_();
        return names;
    }

    // Each check's draft day as stored, by last name.
    std::map<std::string, std::string> storedDays() {
        std::map<std::string, std::string> days;
        CHECKS.open();
        CHECKS.set(CHE::KEYLASTNAME);
        while (CHECKS.next() == 0)
            days[std::string(rt::clip(CHE::LASTNAME.text()))] = rt::clip(CHE::X1.text());
        CHECKS.close();
        return days;
    }

    std::vector<std::int64_t> pointers_;
    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(DraftSearchTest, ADayOrARangeOfDaysTagsTheDraftsInIt) {
    struct Case {
        const char* day;
        const char* type;  // nullptr: the day alone ("Equals this")
        const char* upper;
        std::vector<std::string> tagged;
    } cases[] = {
        {"15", nullptr, nullptr, {"Cole"}},
        {"1", "I&nside range starting with this", "15", {"Adams", "Brown", "Cole"}},
        {"16", "I&nside range starting with this", "31", {"Dunn", "Fox"}},
        {"2", "&Outside range starting with this", "15", {"Adams", "Dunn", "Eck", "Fox"}},
        {"1", "&Less than this", nullptr, {"Eck"}},  // a blank day counts as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.day) + " " + (c.type ? c.type : "="));
        openSearch();
        driver.type("CHE:X1", c.day);
        if (c.type) chooseType(c.type);
        if (c.upper) {
            driver.waitWindow("Enter Upper Limit");
            driver.type("LOC:UpperLimit", c.upper);
            driver.press("&OK");
        }
        selectMatchesAndClose();
        EXPECT_EQ(taggedNames(), c.tagged);
    }
}

TEST_F(DraftSearchTest, ARangeOrADayWithoutDraftsSaysSoAndTagsNothing) {
    struct Case {
        const char* day;
        const char* upper;  // nullptr: the day alone
        const char* action;
    } cases[] = {
        {"20", "30", "&Select"},
        {"20", "30", "&Edit"},
        {"7", nullptr, "&Select"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.day) + " " + c.action);
        openSearch();
        driver.type("CHE:X1", c.day);
        if (c.upper) {
            chooseType("I&nside range starting with this");
            driver.waitWindow("Enter Upper Limit");
            driver.type("LOC:UpperLimit", c.upper);
            driver.press("&OK");
        }
        driver.waitWindow("Enter Search Criteria");
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press(c.action);
        driver.expectMessage("There are no matching records!");
        driver.answer("OK");
        // Back at the criteria, which are kept for another try.
        driver.waitWindow("Enter Search Criteria");
        driver.expectText(rt::ControlName::parse("CHE:X1"), c.day);
        driver.press("Cancel");
        driver.waitWindow("Print Monthly Drafts");
        driver.expectText(rt::ControlName::parse("\"Sho&w Tagged\""), "Sho&w Tagged");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
        EXPECT_TRUE(taggedNames().empty());
    }
}

TEST_F(DraftSearchTest, AnUpperLimitNotAboveTheDayIsRefusedWithAMessage) {
    openSearch();
    driver.type("CHE:X1", "15");
    chooseType("I&nside range starting with this");
    driver.waitWindow("Enter Upper Limit");
    // Letters leave the limit as it was (the day itself until another is given).
    driver.type("LOC:UpperLimit", "ab");
    driver.expectMessage("The upper limit must be a number.");
    driver.answer("OK");
    driver.waitWindow("Enter Upper Limit");
    driver.expectText(rt::ControlName::parse("LOC:UpperLimit"), "15");
    for (const char* upper : {"15", "1"}) {
        SCOPED_TRACE(upper);
        driver.type("LOC:UpperLimit", upper);
        driver.expectMessage("The upper limit must be greater than the lower limit.");
        driver.answer("OK");
        driver.waitWindow("Enter Upper Limit");
    }
    driver.press("&OK");  // still 1: refused again
    driver.expectMessage("The upper limit must be greater than the lower limit.");
    driver.answer("OK");
    driver.press("&Cancel");
    // The day stays a day of its own: only the drafts of the 15th are found.
    selectMatchesAndClose();
    EXPECT_EQ(taggedNames(), std::vector<std::string>{"Cole"});
}

TEST_F(DraftSearchTest, ADayThatIsNotANumberIsRefusedWithAMessage) {
    openSearch();
    driver.type("CHE:X1", "16");
    driver.type("CHE:X1", "ab");
    driver.expectMessage("Type a whole number from 0 to 99.");
    driver.answer("OK");
    driver.expectText(rt::ControlName::parse("CHE:X1"), "16");
    selectMatchesAndClose();
    EXPECT_EQ(taggedNames(), std::vector<std::string>{"Dunn"});
}

TEST_F(DraftSearchTest, EditThisChangesTheFoundDraftsDayInTheSameWindow) {
    editFirstDraftOfDay("15");
    // The change form: only the day, "OK" and "Cancel".
    rt::Window* form = driver.active();
    EXPECT_TRUE(form->isVisible(S::Ok));
    EXPECT_TRUE(form->isVisible(S::Cancel));
    EXPECT_FALSE(form->isVisible(S::SearchType));
    EXPECT_FALSE(form->isVisible(S::BeginSearch));
    driver.type("CHE:X1", "5");
    driver.press("OK");
    driver.waitWindow("Print Monthly Drafts");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto days = storedDays();
    EXPECT_EQ(days.at("Cole"), "5");
    EXPECT_EQ(days.at("Adams"), "1");
    EXPECT_TRUE(taggedNames().empty());
}

// "&Edit This" hands the draft back to the list, which opens the change form where the search
// window stood and afterwards stands on the changed draft; later changes of the run open at
// that first place, wherever the search window was moved since.
TEST_F(DraftSearchTest, EditThisOpensTheChangeWhereTheSearchStoodAndTheListMovesToTheDraft) {
    struct Visit {
        const char* day;
        const char* last;
        int searchX, searchY;
    } visits[] = {{"15", "Cole", 30, 20}, {"16", "Dunn", 50, 60}};
    driver.start(&BrowseMonthlyDrafts);
    for (const Visit& v : visits) {
        SCOPED_TRACE(v.last);
        driver.waitWindow("Print Monthly Drafts");
        driver.press("&Search");
        driver.waitWindow("Enter Search Criteria");
        driver.active()->postInput({rt::Input::Kind::Move, 0, "", v.searchX, v.searchY});
        driver.type("CHE:X1", v.day);
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press("&Edit");
        driver.waitWindow("Enter Search Criteria");
        driver.press("&Edit This");
        driver.waitWindow("Enter Search Criteria");
        EXPECT_FALSE(driver.active()->isVisible(S::BeginSearch));
        EXPECT_EQ(driver.active()->prop(0, PROP::Xpos), 30);
        EXPECT_EQ(driver.active()->prop(0, PROP::Ypos), 20);
        driver.type("CHE:X1", "7");
        driver.press("OK");
        driver.waitWindow("Print Monthly Drafts");
        rt::Window* list = driver.active();
        const int row = static_cast<int>(
            list->prop(windows::monthly_drafts::DraftsControl::List, PROP::SelectedRow));
        ASSERT_GT(row, 0);
        EXPECT_THAT(list->rowTexts(windows::monthly_drafts::DraftsControl::List, row),
                    testing::Contains(testing::HasSubstr(v.last)));
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto days = storedDays();
    EXPECT_EQ(days.at("Cole"), "7");
    EXPECT_EQ(days.at("Dunn"), "7");
}

TEST_F(DraftSearchTest, LeavingTheChangedDayAsksWhetherToSaveIt) {
    struct Case {
        const char* answer;
        const char* stored;
    } cases[] = {{"Yes", "20"}, {"No", "15"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        makeChecks({draft("Cole", "15")});
        editFirstDraftOfDay("15");
        driver.type("CHE:X1", "20");
        driver.press("Cancel");
        driver.expectMessage("Do you want to save the changes to this record?");
        driver.answer(c.answer);
        driver.waitWindow("Print Monthly Drafts");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
        EXPECT_EQ(storedDays().at("Cole"), c.stored);
    }
}

TEST_F(DraftSearchTest, AChangedDayThatIsNotANumberIsRefusedAndNothingIsWritten) {
    editFirstDraftOfDay("15");
    driver.type("CHE:X1", "x9");
    driver.expectMessage("Type a whole number from 0 to 99.");
    driver.answer("OK");
    driver.expectText(rt::ControlName::parse("CHE:X1"), "15");
    driver.press("OK");
    driver.waitWindow("Print Monthly Drafts");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedDays().at("Cole"), "15");
}

TEST_F(DraftSearchTest, ADayChangedMeanwhileByAnotherStationIsToldAndShown) {
    editFirstDraftOfDay("15");
    driver.type("CHE:X1", "20");
    CHECKS.open();  // another station (this thread) moves Cole to the 7th
    CHE::CHECKID.setInteger(3);
    ASSERT_EQ(CHECKS.get(CHE::KEYCHECKID), 0);
    CHE::X1.setText("7");
    ASSERT_EQ(CHECKS.put(), 0);
    CHECKS.close();
    driver.press("OK");
    driver.expectMessage("This record was changed by another station.");
    driver.answer("OK");
    driver.waitWindow("Enter Search Criteria");
    driver.expectText(rt::ControlName::parse("CHE:X1"), "7");
    // The form still holds the day it opened with as its copy: leaving asks about the change.
    driver.press("Cancel");
    driver.expectMessage("Do you want to save the changes to this record?");
    driver.answer("No");
    driver.waitWindow("Print Monthly Drafts");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedDays().at("Cole"), "7");
}

}  // namespace
