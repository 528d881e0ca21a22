// The checks screens driven as a user would: the list of checks to print with its total,
// the check form's numbering, cancel and client copy, and the telephone search.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "checks/check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/checks_to_print_window.h"
#include "contacts/contact_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/search_criteria.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
namespace F = windows::check_form::CheckFormControl;

class CheckScreensTest : public testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterCheckProcedures();
    }
    void TearDown() override { driver.finish(); }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(CheckScreensTest, TheListTotalsTheUnprintedChecksOnly) {
    makeChecks({{"Ann", "Smith", "Acme", "10.25"},
                {"Bob", "Jones", "Bolt", "-2.00"},
                {"Cy", "Brown", "Core", "500.00", "Y"}});
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$8.25");
    const int list = windows::checks_to_print::ChecksToPrintControl::List;
    EXPECT_FALSE(driver.active()->rowTexts(list, 2).empty());
    EXPECT_TRUE(driver.active()->rowTexts(list, 3).empty());
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(CheckScreensTest, PrintedTakesUpperCaseAndAStoredLowerCaseMarkCountsAsPrinted) {
    makeChecks({{"Ann", "Smith", "Acme", "10.00"}, {"Bob", "Jones", "Bolt", "2.00", "y"}});
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    // Bob's "y" is printed: he is neither listed nor counted.
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$10.00");
    const int list = windows::checks_to_print::ChecksToPrintControl::List;
    EXPECT_TRUE(driver.active()->rowTexts(list, 2).empty());
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    driver.type("CHE:DONE", "y");
    driver.press("OK");
    driver.waitWindow("Post Checks To Print");
    driver.expectText(rt::ControlName::parse("LOC:Total"), "$0.00");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedChecks()[0].done, "Y");
}

TEST_F(CheckScreensTest, AnInsertIsNumberedOnAndACancelRemovesIt) {
    makeChecks({{"Ann", "Smith", "Acme"}, {"Bob", "Jones", "Bolt"}});
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    driver.press("&Add");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:CHECKID"), "3");
    driver.expectText(rt::ControlName::parse("CHE:FUNDS"), "Payable In U.S. Funds");
    driver.expectText(rt::ControlName::parse("CHE:CKSIGN"), "C");
    driver.expectText(rt::ControlName::parse("CHE:ANSIGN"), "A");
    driver.press("Cancel");
    driver.waitWindow("Post Checks To Print");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedChecks().size(), 2u);
}

TEST_F(CheckScreensTest, ACancelledClientListCopiesNothingAndAChosenClientIsCopied) {
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    MAIL.clear();
    MAI::FIRSTNAME.setText("Ann");
    MAI::LASTNAME.setText("Smith");
    MAI::BANKNAME.setText("First Bank");
    MAI::TRANSIT.setText("123456789");
    MAI::DRAFTDAY.setInteger(15);
    MAI::HOMEPHONE.setText("555-123-4567 x9");
    MAIL.add();
    MAIL.close();
    makeChecks({});
    std::string first, bank, draftDay, phone;
    long response = 0;
    driver.start([&] {
        CHECKS.clear();
        GLO::Request = REQ::Insert;
        UpdateCheck();
        response = GLO::Response;
    });
    driver.waitWindow("Enter Check Information");
    driver.press(F::SelectClient);
    driver.waitWindow("");  // the client list has no title
    driver.press("Close");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:FIRSTNAME"), "");
    driver.press(F::SelectClient);
    driver.waitWindow("");  // the client list has no title
    driver.press("&Select");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:FIRSTNAME"), "Ann");
    driver.expectText(rt::ControlName::parse("CHE:BANKNAME"), "First Bank");
    driver.press("Cancel");
    driver.expectMessage("Do you want to save the changes to this record?");
    driver.answer("No");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_TRUE(storedChecks().empty());
}

TEST_F(CheckScreensTest, TheCheckNumberTabListsInTextOrderAndTaggingIsEmptiedOnOpening) {
    Check nine("Ann", "Smith", "Acme");
    nine.checkNumber = "9";
    Check ten("Bob", "Jones", "Bolt");
    ten.checkNumber = "10";
    const auto pointers = makeChecks({nine, ten});
    tagChecks(TAG::ChecksToPrint, pointers);
    const int list = windows::checks_to_print::ChecksToPrintControl::List;
    auto firstNameOfRow = [&](int row) {
        for (const std::string& text : driver.active()->rowTexts(list, row))
            if (rt::clip(text) == "Ann" || rt::clip(text) == "Bob")
                return std::string(rt::clip(text));
        return std::string();
    };
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    EXPECT_EQ(firstNameOfRow(1), "Ann");
    // The tags of the last visit are gone.
    EXPECT_EQ(rt::clip(driver.active()->rowTexts(list, 1).front()), "");
    driver.press("Check Number");
    EXPECT_EQ(firstNameOfRow(1), "Bob");  // "10" sorts before "9"
    // The highlight stays on the check it was on (Ann's, now the second row).
    driver.press("&Tag");
    EXPECT_EQ(rt::clip(driver.active()->rowTexts(list, 2).front()), "X");
    EXPECT_EQ(rt::clip(driver.active()->rowTexts(list, 1).front()), "");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(CheckScreensTest, TheFormShowsTheSymbolLettersAndWritesThemOnlyWithARealChange) {
    makeChecks({{"Ann", "Smith", "Acme"}});
    auto setSigns = [](const char* onUs, const char* transit) {
        CHECKS.open();
        CHECKS.set(CHE::KEYCHECKID);
        CHECKS.next();
        CHE::CKSIGN.setText(onUs);
        CHE::ANSIGN.setText(transit);
        CHECKS.put();
        CHECKS.close();
    };
    auto storedSigns = [] {
        CHECKS.open();
        CHECKS.set(CHE::KEYCHECKID);
        CHECKS.next();
        std::string signs = CHE::CKSIGN.text() + CHE::ANSIGN.text();
        CHECKS.close();
        return signs;
    };
    setSigns("X", "Y");
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE:CKSIGN"), "C");
    driver.expectText(rt::ControlName::parse("CHE:ANSIGN"), "A");
    // The letters alone are no change: no question, nothing written.
    driver.press("Cancel");
    driver.waitWindow("Post Checks To Print");
    EXPECT_EQ(storedSigns(), "XY");
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    driver.type("CHE:CHECKMEMO", "March");
    driver.press("OK");
    driver.waitWindow("Post Checks To Print");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedSigns(), "CA");
}

// An account number longer than the bank line's 18 characters is refused where it is typed:
// a message, and the entry shows the number from before; 18 characters are taken.
TEST_F(CheckScreensTest, AnAccountNumberTooLongForTheBankLineIsRefusedWhereTyped) {
    makeChecks({{"Ann", "Smith", "Acme"}});
    driver.start(&PostChecksToPrint);
    driver.waitWindow("Post Checks To Print");
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    const rt::ControlName account = rt::ControlName::parse("CHE:ACCOUNTNUMBER");
    driver.type("CHE:ACCOUNTNUMBER", "1234567890123456789");
    driver.expectMessage(
        "The account number is too long for the bank line: it holds at most 18 characters.");
    driver.answer("OK");
    driver.expectText(account, "987654");
    driver.type("CHE:ACCOUNTNUMBER", "123456789012345678");
    driver.press("OK");
    driver.waitWindow("Post Checks To Print");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    CHECKS.next();
    EXPECT_EQ(std::string(rt::clip(CHE::ACCOUNTNUMBER.text())), "123456789012345678");
    CHECKS.close();
}

// The other station: its own connection on its own thread.
void payToFromOtherStation(const char* payTo) {
    std::thread([payTo] {
        CHECKS.open();
        CHECKS.set(CHE::KEYCHECKID);
        CHECKS.next();
        CHE::PAYTO.setText(payTo);
        CHECKS.put();
        CHECKS.close();
    }).join();
}

TEST_F(CheckScreensTest, TheSearchFormsChangeIsCompletedOnlyWhenWrittenOrUnchanged) {
    struct Case {
        const char* what;
        const char* typed;         // nullptr: nothing typed
        const char* otherStation;  // nullptr: no change elsewhere
        long response;
        const char* stored;
    };
    const Case cases[] = {
        {"written", "Mine", nullptr, RESP::Completed, "Mine"},
        {"unchanged", nullptr, nullptr, RESP::Completed, "Acme"},
        {"lost to another station", "Mine", "Other", RESP::Cancelled, "Other"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeChecks({{"Ann", "Smith", "Acme"}});
        long response = 0;
        driver.start([&] {
            CHECKS.open();
            CHECKS.set(CHE::KEYCHECKID);
            CHECKS.next();
            GLO::Request = REQ::Change;
            SearchChecks();
            response = GLO::Response;
        });
        driver.waitWindow("Record Will Be Changed");
        if (c.otherStation) payToFromOtherStation(c.otherStation);
        if (c.typed) driver.type("CHE:PAYTO", c.typed);
        driver.press("OK");
        if (c.otherStation) {
            driver.expectMessage("This record was changed by another station.");
            driver.answer("OK");
            driver.waitWindow("Record Will Be Changed");
            // The other station's version is shown; leaving keeps it.
            driver.expectText(rt::ControlName::parse("CHE:PAYTO"), c.otherStation);
            driver.press("Cancel");
        }
        ASSERT_TRUE(driver.finish());
        EXPECT_EQ(response, c.response);
        CHECKS.open();
        CHECKS.set(CHE::KEYCHECKID);
        CHECKS.next();
        EXPECT_EQ(rt::clip(CHE::PAYTO.text()), c.stored);
        CHECKS.close();
    }
}

TEST(CheckSearch, EqualsOnTheTelephoneComparesEveryDigit) {
    testsupport::TempDir dir{/*enter=*/true};
    makeChecks({});
    CHECKS.open();
    SearchCriteria criteria(CHECKS, {{1, FieldKind::NumberPicture, "CHE:PHONE"}});
    criteria.setType(1, MATCH::Equals);
    CHE::PHONE.setText("555-123-4567");
    criteria.save();
    struct Case {
        const char* phone;
        bool found;
    };
    for (const Case& c : {Case{"555-123-4567", true}, Case{"555-999-0000", false},
                          Case{"5551234567", true}, Case{"", false}}) {
        CHE::PHONE.setText(c.phone);
        EXPECT_EQ(criteria.passesAll(), c.found) << c.phone;
    }
    CHECKS.close();
}

}  // namespace
