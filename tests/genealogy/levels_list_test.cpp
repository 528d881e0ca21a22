// The levels list and the sponsor list driven as a user does: the list shows only contacts
// with a level; a search by company code tags its matches and the list then shows only the
// tagged ("Sho&w All" and "Sho&w Tagged" switch), and tags are gone at the next opening; a
// level of 0 typed into "Enter Level:" does not move the list; the telephone button dials
// the highlighted distributor. The sponsor list keeps the first 20 characters of a long name
// and answers RESP::Cancelled after "Select".

#include <gtest/gtest.h>

#include <string>

#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "genealogy/genealogy_procedures.h"
#include "tests/genealogy/driver_steps.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;
using genealogytest::number;
using genealogytest::rowsOf;

constexpr int kLevelsList = 5;

class LevelsListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterGenealogyProcedures();
        std::vector<Member> m = {{"Ann", "A", "", 1},
                                 {"Bob", "B", "A", 2},
                                 {"Cleo", "C", "A", 2},
                                 {"Nolevel", "N", "", 0}};
        m[0].companyId = "ACME";
        m[2].companyId = "acme-2";
        makeMembers(m);
    }
    void TearDown() override { driver.finish(); }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(LevelsListTest, TheSearchTagsByCompanyCodeAndTheListThenShowsOnlyThoseForThisVisit) {
    driver.start(&BrowseLevels);
    driver.waitWindow("Browse the Levels File");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 3);  // the contact without a level is left out
    driver.expectText(rt::ControlName::parse("MAI:TAB4"), "ACME");
    auto search = [this](const char* code, const char* action) {
        driver.press("&Search");
        driver.waitWindow("Enter Search Criteria");
        driver.type("MAI:TAB4", code);
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press(action);
        driver.waitWindow("Browse the Levels File");
    };

    // After the search the list shows only the tagged, and its button offers all.
    search("acme", "&Select");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 2);
    driver.expectText(number(22), "Sho&w All");
    driver.expectRow(number(kLevelsList), 2, "2 | Cleo | Member |  |  |  |  |  |  | ");

    // A level of 0 does not move the list.
    driver.type("MAI:LEVEL", "0");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 2);

    driver.press("Sho&w All");
    driver.expectText(number(22), "Sho&w Tagged");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 3);
    driver.press("Sho&w Tagged");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 2);

    // While only the tagged show, a search that untags refreshes the list as it stands.
    search("acme-", "&Unselect");
    driver.expectText(number(22), "Sho&w All");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 1);
    driver.expectRow(number(kLevelsList), 1, "1 | Ann | Member |  |  |  |  |  |  | ");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());

    // Opened again, nothing is tagged: showing only tagged contacts shows none.
    driver.start(&BrowseLevels);
    driver.waitWindow("Browse the Levels File");
    driver.expectText(number(22), "Sho&w Tagged");
    driver.press("Sho&w Tagged");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 0);
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(LevelsListTest, ASearchFormThatKeepsAnsweringEditFoundIsCalledABoundedNumberOfTimes) {
    std::vector<long> requests;
    RegisterProcedure("SearchCompanyID", [&requests] {
        requests.push_back(GLO::Request);
        GLO::Request = 0;
        GLO::Response = RESP::EditFound;
    });
    driver.start(&BrowseLevels);
    driver.waitWindow("Browse the Levels File");
    driver.press("&Search");
    driver.waitWindow("Browse the Levels File");
    ASSERT_EQ(requests.size(), 20u);
    EXPECT_EQ(requests.front(), REQ::Search);
    EXPECT_EQ(requests.back(), REQ::Change);
    EXPECT_EQ(rowsOf(driver, kLevelsList), 3);
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    RegisterGenealogyProcedures();
}

TEST_F(LevelsListTest, ALevelTypedIntoTheLocatorIsLocatedAndStaysShown) {
    driver.start(&BrowseLevels);
    driver.waitWindow("Browse the Levels File");
    driver.type("MAI:LEVEL", "2");
    driver.expectText(rt::ControlName::parse("MAI:LEVEL"), "2");
    EXPECT_EQ(rowsOf(driver, kLevelsList), 3);
    rt::Window* w = driver.active();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->control(kLevelsList)->selectedRow, 2);  // Bob, the first of level 2
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(LevelsListTest, TheTelephoneButtonDialsTheHighlightedDistributor) {
    driver.start(&BrowseLevels);
    driver.waitWindow("Browse the Levels File");
    driver.choose(number(kLevelsList), 2);
    driver.press(21);
    driver.waitWindow("Dial Phone Numbers");
    driver.close();
    driver.waitWindow("Browse the Levels File");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST(SponsorList, SelectKeepsTwentyCharactersOfALongNameAndAnswersCancelled) {
    testsupport::TempDir dir{/*enter=*/true};
    makeMembers({{"Bartholomew-Max", "LONG", "", 0}});  // with "Member": 22 characters
    long response = 0;
    rt::Driver driver;
    driver.start([&response] {
        Sponsor();
        response = GLO::Response;
    });
    driver.waitWindow("Browse the Sponsor File");
    driver.press("Press Here Then Press Select");
    driver.press("Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(std::string(GLO::SponsorName.view()), "Bartholomew-Max Memb");
    EXPECT_EQ(std::string(GLO::SponsorLevel.view()).substr(0, 2), "0 ");
    EXPECT_EQ(std::string(GLO::SponsorIdNumber.view()).substr(0, 5), "LONG ");
    GLO::SponsorName = "";
    GLO::SponsorLevel = "";
    GLO::SponsorIdNumber = "";
}

}  // namespace
