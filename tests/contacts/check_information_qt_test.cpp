// The client check-information form typed through with Tab at full speed on its real widgets
// (offscreen): the pay-to look-up that opens by itself in the middle takes none of the keys
// typed ahead, and every field typed reaches the record.

#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "checks/payee_list_window.h"
#include "contacts/check_information_window.h"
#include "contacts/contact_procedures.h"
#include "drivers/qt/qt_driver.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/qt/page_painter.h"
#include "runtime/text/decimal.h"
#include "runtime/text/fixed_text.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/account_number_typing.h"
#include "tests/support/temp_dir.h"

namespace {

namespace CheckInfoControl = windows::check_information::CheckInfoControl;
namespace PayeeListControl = windows::payee_list::PayeeListControl;

using qttest::keyAt;
using qttest::typeAt;

struct Typed {
    const char* field;
    QString text;
};

// The fields before "Pay To:", in their order on the page.
const std::vector<Typed> kBeforePayTo = {
    {"MAI:CKECKNAME", "Ann Lee"},  {"MAI:ADDRESS", "1 Main St"},
    {"MAI:CITY", "Tulsa"},         {"MAI:STATE", "OK"},
    {"MAI:ZIP", "74101"},          {"MAI:BANKNAME", "First Bank"},
    {"MAI:BANKADDRESS", "2 Elm"},  {"MAI:BANKCITYSTATEZIP", "Tulsa OK 74102"},
    {"MAI:FEDNUMBER1", "86-1234"}, {"MAI:FEDNUMBER2", "1031"},
    {"MAI:TRANSIT", "123456789"},  {"MAI:ACCOUNTNUMBER", "987654"},
    {"MAI:CHECKNUMBER", "1001"},
};
const std::vector<Typed> kAfterPayTo = {
    {"MAI:CHECKMEMO", "Electric bill"},
    {"MAI:DRAFTDAY", "15"},
    {"MAI:TAB5", "12"},
};

std::string stored(const char* field) {
    return std::string(rt::clip(MAIL.buf().text(MAIL.buf().field(field))));
}

TEST(CheckInformationQt, TypedThroughAtFullSpeedTheLookUpTakesNoneOfItAndEveryFieldIsStored) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterCheckProcedures();
    PAYEE.create();
    std::vector<std::pair<std::string, std::string>> result;
    rt::Decimal monthly, amount;
    qttest::QtSession session;
    session.start([&] {
        MAIL.clear();
        UpdateClientCheckInfo();
        for (const auto& list : {kBeforePayTo, kAfterPayTo})
            for (const Typed& t : list)
                result.emplace_back(t.field, stored(t.field));
        result.emplace_back("MAI:PAYTO", stored("MAI:PAYTO"));
        monthly = MAI::MONTHLYAMOUNT.number();
        amount = MAI::AMOUNT.number();
    });
    rt::Window* form = session.shownTop();
    ASSERT_NE(form, nullptr);
    session.click(form, 5);  // the first field

    // Everything up to "Pay To:" in one burst; tabbing into the empty pay-to opens the look-up.
    unsigned long at = 1000;
    for (const Typed& t : kBeforePayTo) {
        at = typeAt(at, t.text);
        keyAt(at, Qt::Key_Tab);
        at += 40;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return qttest::topWindow() != form; }));
    rt::Window* lookup = session.shownTop();
    ASSERT_NE(lookup, nullptr);
    ASSERT_EQ(lookup->title(), "Select The Pay To");
    ASSERT_EQ(QApplication::activeWindow(), session.backend().windowWidget(lookup));
    // It starts on its list, where a stray key does no harm.
    EXPECT_EQ(QApplication::focusWidget(),
              session.backend().controlWidget(lookup, PayeeListControl::List));
    // The burst goes on, meant for the form: none of it acts in the look-up.
    at = typeAt(at, "Electric bill");
    keyAt(at, Qt::Key_Tab);
    at = typeAt(at + 40, "15");
    keyAt(at, Qt::Key_Return);
    session.settle();
    ASSERT_EQ(qttest::topWindow(), lookup);

    // The user sees the look-up and leaves it; the form has the keyboard on "Pay To:" again.
    at += 2000;
    keyAt(at, Qt::Key_Escape);
    session.settle();
    ASSERT_EQ(qttest::topWindow(), form);
    QWidget* payTo = session.backend().controlWidget(form, CheckInfoControl::PayTo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == payTo; }, 2000));

    // The rest, typed on from there.
    at += 2000;
    keyAt(at, Qt::Key_Tab);
    for (const Typed& t : kAfterPayTo) {
        at = typeAt(at + 40, t.text);
        keyAt(at, Qt::Key_Tab);
    }
    at = typeAt(at + 40, "250.00");
    keyAt(at, Qt::Key_Tab);
    session.settle();
    session.click(form, CheckInfoControl::Ok);
    ASSERT_TRUE(session.finish());

    std::vector<std::pair<std::string, std::string>> expected;
    for (const auto& list : {kBeforePayTo, kAfterPayTo})
        for (const Typed& t : list)
            expected.emplace_back(t.field, t.text.toStdString());
    expected.emplace_back("MAI:PAYTO", "");
    EXPECT_EQ(result, expected);
    EXPECT_EQ(monthly, rt::Decimal(250));
    EXPECT_EQ(amount, rt::Decimal(250));
}

// Typed on the real widgets, an account number longer than the bank line holds is refused
// where it is typed; the longest it holds is what the form gives back through OK.
TEST(CheckInformationQt, AnAccountNumberTooLongForTheBankLineIsRefusedWhereTyped) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterCheckProcedures();
    PAYEE.create();
    rt::qt::ensureApplication();
    std::string kept;
    rt::qt::QtDriver driver;
    driver.start([&kept] {
        MAIL.clear();
        MAI::ACCOUNTNUMBER.setText("987654");
        MAI::PAYTO.setText("Acme");  // a pay-to already chosen: no look-up opens
        UpdateClientCheckInfo();
        kept = rt::clip(MAI::ACCOUNTNUMBER.text());
    });
    driver.waitWindow("");
    testsupport::expectTooLongAccountRefusedAndLongestTaken(driver, "MAI:ACCOUNTNUMBER", "987654");
    driver.press(rt::ControlName::parse(std::to_string(CheckInfoControl::Ok)));
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(kept, testsupport::kLongestAccount);
}

}  // namespace
