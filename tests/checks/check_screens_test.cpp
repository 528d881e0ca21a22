// The checks screens driven as a user would: the list of checks to print with its total,
// the check form's numbering, cancel and client copy, and the telephone search.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "checks/check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/checks_to_print_window.h"
#include "contacts/contact_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/search_criteria.h"
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
