// The monthly drafts screens driven as a user would: the list's first tab and its total,
// tags emptied on opening, the draft form's change and delete, and the draft client list
// behind the check form's "Post Monthly Draft".

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "checks/check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/draft_client_selection_window.h"
#include "checks/monthly_drafts_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/contacts_list_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
namespace L = windows::monthly_drafts::DraftsControl;

class DraftScreensTest : public testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterCheckProcedures();
    }
    void TearDown() override { driver.finish(); }

    // The last names the list shows, top down.
    std::vector<std::string> listedLastNames() {
        std::vector<std::string> names;
        for (int row = 1;; ++row) {
            const auto texts = driver.active()->rowTexts(L::List, row);
            if (texts.empty()) return names;
            for (const std::string& t : texts)
                for (const char* last : {"Adams", "Brown", "Cole", "Dunn"})
                    if (rt::clip(t) == last) names.push_back(last);
        }
    }

    // The check form on a new check, in an empty CHECKS file.
    void openNewCheck() {
        makeChecks({});
        driver.start([] {
            CHECKS.clear();
            GLO::Request = REQ::Insert;
            UpdateCheck();
        });
        driver.waitWindow("Enter Check Information");
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(DraftScreensTest, TheFirstTabListsTheDraftsStillToRunAndTheOthersEveryCheck) {
    // Adams and Cole are drafts to run, Brown's have run out, Dunn is an ordinary check.
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"},
                               {"Bo", "Brown", "Core", "30.00", "", "0"},
                               {"Cy", "Cole", "Dyes", "40.00", "", "1"},
                               {"Di", "Dunn", "Eels", "50.00", "", ""}});
    tagChecks(TAG::MonthlyDrafts, {p[0]});  // left from a visit before
    driver.start(&BrowseMonthlyDrafts);
    driver.waitWindow("Print Monthly Drafts");
    EXPECT_THAT(listedLastNames(), testing::ElementsAre("Adams", "Cole"));
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$60.00");
    // Every visit starts untagged.
    EXPECT_EQ(rt::clip(driver.active()->rowTexts(L::List, 1).front()), "");
    driver.press("Last Name");
    EXPECT_THAT(listedLastNames(), testing::ElementsAre("Adams", "Brown", "Cole", "Dunn"));
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$140.00");
    // Only tagged: the total follows at the next refill.
    driver.press("&Tag");
    driver.press("Sho&w Tagged");
    driver.press("First Name");
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$20.00");
    driver.press("&Next Tag");
    driver.expectMessage("There are no more tagged records!");
    driver.answer("OK");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(DraftScreensTest, TheDraftFormChangesTheCountAndTheAmountAndDeletes) {
    makeChecks(
        {{"Al", "Adams", "Bolt", "20.00", "", "3"}, {"Cy", "Cole", "Dyes", "40.00", "", "1"}});
    driver.start(&BrowseMonthlyDrafts);
    driver.waitWindow("Print Monthly Drafts");
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:X2"), "3");
    driver.expectText(rt::ControlName::parse("CHE:CKSIGN"), "C");
    // A new monthly amount becomes the amount; a count of 0 ends the draft.
    driver.type("CHE:MONTHLYAMOUNT", "25.00");
    driver.expectText(rt::ControlName::parse("CHE:AMOUNT"), "$****25.00");
    driver.type("CHE:X2", "0");
    driver.press("OK");
    driver.waitWindow("Print Monthly Drafts");
    EXPECT_THAT(listedLastNames(), testing::ElementsAre("Cole"));
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$40.00");
    driver.press("&Delete");
    driver.answer("OK");
    driver.waitWindow("Print Monthly Drafts");
    EXPECT_TRUE(listedLastNames().empty());
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto stored = storedChecks();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].last, "Adams");
    EXPECT_EQ(stored[0].draftsLeft, "0");
}

TEST_F(DraftScreensTest, TheContactsListOpensTheDraftsList) {
    MAIL.create();
    makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    EXPECT_TRUE(
        driver.active()->isEnabled(windows::contacts_list::ContactsControl::ToolMonthlyDrafts));
    driver.press(windows::contacts_list::ContactsControl::ToolMonthlyDrafts);
    driver.waitWindow("Print Monthly Drafts");
    EXPECT_THAT(listedLastNames(), testing::ElementsAre("Adams"));
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(DraftScreensTest, TheDraftFormAddsNothing) {
    makeChecks({});
    long response = 0;
    driver.start([&] {
        CHECKS.clear();
        GLO::Request = REQ::Insert;
        UpdateMonthlyDraft();
        response = GLO::Response;
    });
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_TRUE(storedChecks().empty());
}

void addClient(const char* first, const char* last, long draftDay) {
    MAIL.clear();
    MAI::FIRSTNAME.setText(first);
    MAI::LASTNAME.setText(last);
    MAI::BANKNAME.setText("First Bank");
    MAI::DRAFTDAY.setInteger(draftDay);
    MAI::TAB5.setText("6");
    MAIL.add();
}

TEST_F(DraftScreensTest, PostMonthlyDraftListsDraftClientsAndCopiesOnlyAChosenOne) {
    MAIL.create();
    MAIL.open();
    addClient("Ann", "Smith", 0);
    addClient("Bea", "Jones", 15);
    MAIL.close();
    openNewCheck();
    EXPECT_TRUE(
        driver.active()->isEnabled(windows::check_form::CheckFormControl::PostMonthlyDraft));
    driver.press("Post Monthly Draft");
    driver.waitWindow("Monthly Draft Information");
    const int list = 1;
    EXPECT_FALSE(driver.active()->rowTexts(list, 1).empty());
    EXPECT_TRUE(driver.active()->rowTexts(list, 2).empty());  // Ann has no draft day
    driver.press("Close");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:FIRSTNAME"), "");
    driver.press("Post Monthly Draft");
    driver.waitWindow("Monthly Draft Information");
    driver.press("&Select");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:FIRSTNAME"), "Bea");
    driver.expectText(rt::ControlName::parse("CHE:X2"), "6");
    driver.press("Cancel");
    driver.answer("No");
    ASSERT_TRUE(driver.finish());
}

// Clients with draft days, the 15th twice (Ames before Cole), and Gray with none; then
// `filler` more with later days, so that a caller far down is past the first page.
void addDraftClients(int filler = 0) {
    MAIL.create();
    MAIL.open();
    addClient("Ann", "Adams", 3);
    addClient("Abe", "Ames", 15);
    addClient("Cy", "Cole", 15);
    addClient("Di", "Dunn", 20);
    addClient("Gus", "Gray", 0);
    for (int i = 0; i < filler; ++i)
        addClient("Fil", ("Ler" + std::to_string(100 + i)).c_str(), 21 + i % 8);
    addClient("Zoe", "Zorn", 30);
    MAIL.close();
}

// The last name on the list's highlighted row.
std::string highlightedLastName(rt::Driver& driver) {
    namespace D = windows::draft_client_selection::DraftClientControl;
    const int row = static_cast<int>(driver.active()->prop(D::List, PROP::SelectedRow));
    const auto texts = driver.active()->rowTexts(D::List, row);
    return texts.size() > 3 ? std::string(rt::clip(texts[3])) : "";
}

TEST_F(DraftScreensTest, TheDraftClientListOpensOnTheCallersClient) {
    struct Case {
        const char* caller;  // read into the MAIL buffer before the call
        int filler;
        const char* highlighted;
    } cases[] = {
        {"Cole", 0, "Cole"},   // the very client, not the first of his day
        {"Zorn", 40, "Zorn"},  // past the first page
        {"Gray", 0, "Adams"},  // no draft day: the list starts at the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caller);
        addDraftClients(c.filler);
        driver.start([&] {
            MAIL.open();
            MAIL.set(MAI::KEYLASTNAME);
            while (MAIL.next() == 0 && rt::clip(MAI::LASTNAME.text()) != c.caller) {
            }
            GLO::Request = REQ::Select;
            SelectMonthlyDraftClient();
            MAIL.close();
        });
        driver.waitWindow("Monthly Draft Information");
        EXPECT_EQ(highlightedLastName(driver), c.highlighted);
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
}

TEST_F(DraftScreensTest, PostMonthlyDraftOpensOnTheClientSelectedBefore) {
    addDraftClients();
    openNewCheck();
    driver.press("Select Client");
    driver.waitWindow("");
    driver.choose(rt::ControlName::parse("2"), 3);  // first names: Abe, Ann, Cy ...
    driver.press("&Select");
    driver.waitWindow("Enter Check Information");
    driver.press("Post Monthly Draft");
    driver.waitWindow("Monthly Draft Information");
    EXPECT_EQ(highlightedLastName(driver), "Cole");
    driver.press("&Select");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:LASTNAME"), "Cole");
    driver.expectText(rt::ControlName::parse("CHE:FIRSTNAME"), "Cy");
    driver.press("Cancel");
    driver.answer("No");
    ASSERT_TRUE(driver.finish());
}

}  // namespace
