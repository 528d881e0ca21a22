// The follow-up form in both its editions on its real widgets (offscreen): the client's bank
// account typed on the name page is refused when longer than the bank line holds.

#include <gtest/gtest.h>

#include "contacts/contact_procedures.h"
#include "drivers/qt/qt_driver.h"
#include "followups/follow_up_form_window.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/qt/page_painter.h"
#include "runtime/text/fixed_text.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/support/account_number_typing.h"
#include "tests/support/temp_dir.h"

namespace {

namespace Form = windows::follow_up_form::FollowUpFormControl;

TEST(FollowUpFormQt, EachEditionRefusesAnAccountNumberTooLongForTheBankLine) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterFollowUpProcedures();
    PAYEE.create();
    rt::qt::ensureApplication();
    for (void (*edition)() : {&UpdateContactInfo, &UpdateAppointmentInfo}) {
        SCOPED_TRACE(edition == &UpdateContactInfo ? "follow-up" : "appointment");
        const std::int64_t pointer = followuptest::makeContacts({{"Ann", "Smith"}}).front();
        MAIL.open();
        ASSERT_EQ(MAIL.getPointer(pointer), 0);
        MAI::ACCOUNTNUMBER.setText("987654");
        ASSERT_EQ(MAIL.put(), 0);
        MAIL.close();
        rt::qt::QtDriver driver;
        driver.start([edition, pointer] {
            MAIL.open();
            MAIL.getPointer(pointer);
            GLO::Request = REQ::Change;
            edition();
            MAIL.close();
        });
        driver.waitWindow("Changing a MAIL Record");
        driver.press(rt::ControlName::parse(std::to_string(Form::NameTab)));
        testsupport::expectTooLongAccountRefusedAndLongestTaken(driver, "MAI:ACCOUNTNUMBER",
                                                                "987654");
        driver.press(rt::ControlName::parse(std::to_string(Form::Ok)));
        ASSERT_TRUE(driver.finish());
        MAIL.open();
        ASSERT_EQ(MAIL.getPointer(pointer), 0);
        EXPECT_EQ(rt::clip(MAI::ACCOUNTNUMBER.text()), testsupport::kLongestAccount);
        MAIL.close();
    }
}

}  // namespace
