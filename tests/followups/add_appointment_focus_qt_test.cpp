// "Add New Appointment" on its real widgets (offscreen): when it closes, the "Appointments"
// list that called it closes too, and the window that opened the list has the keyboard
// again on the control that opened it.

#include <gtest/gtest.h>

#include "contacts/contact_procedures.h"
#include "followups/add_contacts_list_window.h"
#include "followups/follow_ups_list_window.h"
#include "followups/followup_procedures.h"
#include "runtime/text/day_number.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace ListControl = windows::follow_ups_list::DatedListControl;
namespace AddControl = windows::add_contacts_list::AddListControl;

TEST(AddAppointmentFocusQt, ClosingTheChooserAndItsListGivesTheKeyboardBackToTheCaller) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterFollowUpProcedures();
    followuptest::makeContacts({{"Ann", "Smith", 0, rt::today() + 2, "09:00", "1", ""}});
    qttest::CallerWindow caller{&BrowseAppointments};
    qttest::QtSession session;
    rt::Window* appointments = qttest::openFromCaller(session, caller, "Appointments");
    ASSERT_NE(appointments, nullptr);
    session.click(appointments, ListControl::Add);
    rt::Window* chooser = session.shownTop();
    ASSERT_NE(chooser, appointments);
    ASSERT_EQ(chooser->title(), "Add New Appointment");
    session.click(chooser, AddControl::Close);
    qttest::expectCallerHasTheKeyboard(session, caller);
}

}  // namespace
