// The amounts of the check and draft forms typed into real widgets (offscreen): what the
// user types into "Pay Exactly" is what is stored, and an amount the check cannot carry is
// refused with a message that says what the field takes.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "drivers/qt/qt_driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/checks.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using rt::ControlName;

// The form opened on the first check for a change, as the lists open it.
std::function<void()> changeFirstCheck(void (*form)()) {
    return [form] {
        CHECKS.open();
        CHECKS.set(CHE::KEYCHECKID);
        CHECKS.next();
        GLO::Request = REQ::Change;
        form();
        CHECKS.close();
    };
}

struct StoredAmounts {
    std::string amount, monthly;
};

StoredAmounts firstCheckAmounts() {
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    CHECKS.next();
    StoredAmounts stored{CHE::AMOUNT.number().toString(), CHE::MONTHLYAMOUNT.number().toString()};
    CHECKS.close();
    return stored;
}

struct Form {
    const char* name;
    void (*procedure)();
};
const Form kForms[] = {{"check form", &UpdateCheck}, {"draft form", &UpdateMonthlyDraft}};

// Typing into "Pay Exactly" alone keeps that amount through OK; the monthly amount is
// copied into it only when the user accepts the "Amount" entry, and a later "Pay Exactly"
// still wins.
TEST(CheckAmountsQt, PayExactlyKeepsWhatTheUserTyped) {
    struct Case {
        std::optional<std::string> monthly;  // typed into "Amount"
        std::optional<std::string> exactly;  // typed into "Pay Exactly" afterwards
        StoredAmounts stored;
    };
    const std::vector<Case> cases = {
        {std::nullopt, "9.99", {"9.99", "125.50"}},
        {"50.00", std::nullopt, {"50.00", "50.00"}},
        {"50.00", "9.99", {"9.99", "50.00"}},
        {std::nullopt, "125.50", {"125.50", "125.50"}},
        {"1,234.50", std::nullopt, {"1234.50", "1234.50"}},
        {std::nullopt, "$12,345.6", {"12345.60", "125.50"}},
    };
    rt::qt::ensureApplication();
    for (const Form& form : kForms) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(form.name) + " " + c.monthly.value_or("-") + " " +
                         c.exactly.value_or("-"));
            testsupport::TempDir dir{/*enter=*/true};
            RegisterCheckProcedures();
            checktest::makeChecks({{"Ann", "Smith", "Acme Supply", "125.50"}});
            rt::qt::QtDriver driver;
            driver.start(changeFirstCheck(form.procedure));
            driver.waitWindow("Enter Check Information");
            if (c.monthly) driver.type(ControlName::parse("CHE:MONTHLYAMOUNT"), *c.monthly);
            if (c.exactly) driver.type(ControlName::parse("CHE:AMOUNT"), *c.exactly);
            driver.press(ControlName::parse("\"OK\""));
            ASSERT_TRUE(driver.finish());
            const StoredAmounts stored = firstCheckAmounts();
            EXPECT_EQ(stored.amount, c.stored.amount);
            EXPECT_EQ(stored.monthly, c.stored.monthly);
        }
    }
}

// What neither amount entry can hold is refused with a message naming the range, the entry
// shows its amount again, and OK then stores the amount the check had. A comma is taken
// only between thousands.
TEST(CheckAmountsQt, AnAmountTheCheckCannotCarryIsRefusedWithAMessage) {
    const char* const refused[] = {"-5.00", "100000", "NaN", "12abc", "19.999",
                                   "$-1",   "12,50",  "1,5", ",5",    "1,2,3.00"};
    rt::qt::ensureApplication();
    for (const char* field : {"CHE:AMOUNT", "CHE:MONTHLYAMOUNT"}) {
        for (const char* typed : refused) {
            SCOPED_TRACE(std::string(field) + " " + typed);
            testsupport::TempDir dir{/*enter=*/true};
            RegisterCheckProcedures();
            checktest::makeChecks({{"Ann", "Smith", "Acme Supply", "125.50"}});
            rt::qt::QtDriver driver;
            driver.start(changeFirstCheck(&UpdateCheck));
            driver.waitWindow("Enter Check Information");
            driver.type(ControlName::parse(field), typed);
            driver.expectMessage(
                "Type a number from 0.00 to 99,999.99, with at most 2 decimal places.");
            driver.answer("OK");
            driver.expectText(ControlName::parse("CHE:AMOUNT"), "$***125.50");
            driver.press(ControlName::parse("\"OK\""));
            ASSERT_TRUE(driver.finish());
            const StoredAmounts stored = firstCheckAmounts();
            EXPECT_EQ(stored.amount, "125.50");
            EXPECT_EQ(stored.monthly, "125.50");
        }
    }
}

}  // namespace
