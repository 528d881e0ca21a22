// The follow-up and appointment lists, forms and clearing passes driven as a user would,
// over a real MAIL file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "followups/follow_up_form_window.h"
#include "followups/follow_ups_list_window.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace followuptest;
using windows::follow_up_form::FollowUpFormControl::AppointmentCalendar;
using windows::follow_up_form::FollowUpFormControl::AppointmentType;
using windows::follow_up_form::FollowUpFormControl::ContactCalendar;
using windows::follow_up_form::FollowUpFormControl::EMail1;
using windows::follow_ups_list::DatedListControl::List;
constexpr int kCloseList = windows::follow_ups_list::DatedListControl::Close;

class FollowUpsSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterFollowUpProcedures();
    }
    void TearDown() override { driver.finish(); }

    // Lets the timers run until the program has ended.
    void runToEnd() {
        for (int round = 0; round < 1000; ++round) {
            driver.settle();
            if (driver.ended() || !driver.backend().pendingDialogs().empty() ||
                !driver.backend().fireNextTimer())
                return;
        }
    }

    // Row r of the list: its shown fields as values.
    const rt::RowSource& rows() {
        const rt::ControlState* list = driver.active()->control(List);
        EXPECT_TRUE(list && list->rows);
        return *list->rows;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    const long today = rt::today();
};

TEST_F(FollowUpsSessionTest, ContactsListsOnlyFollowUpsInDayOrderWithTheirIcons) {
    makeContacts({{"Past", "A", today - 3},
                  {"None", "B", 0},
                  {"Today", "C", today},
                  {"Later", "D", today + 5},
                  {"Older", "E", today - 10}});
    driver.start(&BrowseContacts);
    driver.waitWindow("Contacts");
    struct Expected {
        const char* first;
        long day;
        int icon;
    } expected[] = {{"Older", today - 10, 3},
                    {"Past", today - 3, 3},
                    {"Today", today, 1},
                    {"Later", today + 5, 2}};
    ASSERT_EQ(rows().rowCount(), 4);
    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(expected[row - 1].first);
        EXPECT_EQ(rows().field(row, 0).asNumber(), rt::Decimal(expected[row - 1].day));
        EXPECT_EQ(rows().field(row, 1).asNumber(), rt::Decimal(expected[row - 1].icon));
        EXPECT_EQ(rt::clip(rows().field(row, 3).asText()), expected[row - 1].first);
    }
    // The side panel follows the row chosen.
    driver.choose(rt::ControlName::parse("3"), 3);
    driver.expectText(rt::ControlName::parse("MAI:FIRSTNAME"), "Today");
    driver.press(kCloseList);
    ASSERT_TRUE(driver.finish());
}

TEST_F(FollowUpsSessionTest, AppointmentsListInDayThenTimeOrderWithAmAndPmIcons) {
    makeContacts({{"Morning", "A", 0, today, "09:00", "1", ""},
                  {"Night", "B", 0, today, "02:00", "", "1"},
                  {"Gone", "C", 0, today - 2, "10:00", "", ""},
                  {"Nothing", "D", today + 1, 0, "11:00", "1", ""},
                  {"Next", "E", 0, today + 1, "10:00", "1", "1"},
                  // Past 31 December 9999 (as an import may leave it): no date, no icon.
                  {"Far", "F", 0, rt::date(12, 31, 9999) + 1, "10:00", "", ""}});
    driver.start(&BrowseAppointments);
    driver.waitWindow("Appointments");
    struct Expected {
        const char* first;
        int dayIcon, amPmIcon;
    } expected[] = {
        {"Far", 0, 0}, {"Gone", 3, 0}, {"Night", 1, 4}, {"Morning", 1, 5}, {"Next", 2, 5}};
    ASSERT_EQ(rows().rowCount(), static_cast<int>(std::size(expected)));
    for (int row = 1; row <= rows().rowCount(); ++row) {
        SCOPED_TRACE(expected[row - 1].first);
        EXPECT_EQ(rows().field(row, 1).asNumber(), rt::Decimal(expected[row - 1].dayIcon));
        EXPECT_EQ(rows().field(row, 4).asNumber(), rt::Decimal(expected[row - 1].amPmIcon));
        EXPECT_EQ(rt::clip(rows().field(row, 7).asText()), expected[row - 1].first);
    }
    driver.press(kCloseList);
    ASSERT_TRUE(driver.finish());
}

TEST_F(FollowUpsSessionTest, ClearOldContactsBlanksOnlyPastFollowUpsAndClosesTheList) {
    makeContacts({{"Past", "A", today - 3, today - 3},
                  {"None", "B", 0},
                  {"Today", "C", today},
                  {"Later", "D", today + 5}});
    driver.start(&BrowseContacts);
    driver.waitWindow("Contacts");
    driver.press("Clear Old Contacts");
    runToEnd();
    ASSERT_TRUE(driver.ended());
    ASSERT_TRUE(driver.finish());

    const auto all = storedContacts();
    ASSERT_EQ(all.size(), 4u);
    const Stored& past = all[0];
    EXPECT_EQ(past.followUp, 0);
    EXPECT_EQ(past.followUpKind, "");
    EXPECT_EQ(past.contactNotes, "");
    EXPECT_EQ(past.contactLetter, "");
    EXPECT_EQ(past.contactResults, "notes results");
    // Its appointment is not the follow-up pass's business.
    EXPECT_EQ(past.appointmentDate, std::to_string(today - 3));
    EXPECT_EQ(past.appointmentNotes, "notes appointment");
    for (std::size_t i = 1; i < all.size(); ++i) {
        SCOPED_TRACE(all[i].first);
        EXPECT_EQ(all[i].followUpKind, "Call Back");
        EXPECT_EQ(all[i].contactNotes, "notes contact");
        EXPECT_EQ(all[i].contactLetter, "notes letter");
        EXPECT_EQ(all[i].contactResults, "notes results");
    }
    EXPECT_EQ(all[2].followUp, today);
    EXPECT_EQ(all[3].followUp, today + 5);
}

TEST_F(FollowUpsSessionTest, ClearOldAppointmentsBlanksOnlyPastAppointments) {
    makeContacts({{"Past", "A", today - 4, today - 1, "09:00", "1", ""},
                  {"None", "B", 0, 0, "10:00", "1", "1"},
                  {"Today", "C", 0, today, "11:00", "", "1"},
                  {"Later", "D", 0, today + 2, "12:00", "1", ""}});
    driver.start(&BrowseAppointments);
    driver.waitWindow("Appointments");
    driver.press("Clear Old Appointments");
    runToEnd();
    ASSERT_TRUE(driver.ended());
    ASSERT_TRUE(driver.finish());

    const auto all = storedContacts();
    ASSERT_EQ(all.size(), 4u);
    const Stored& past = all[0];
    EXPECT_EQ(past.appointmentDate, "");
    EXPECT_EQ(past.appointmentType, "");
    EXPECT_EQ(past.time, "");
    EXPECT_EQ(past.am, "");
    EXPECT_EQ(past.subject, "");
    EXPECT_EQ(past.appointmentNotes, "");
    EXPECT_EQ(past.followUp, today - 4);  // the follow-up stays
    EXPECT_EQ(past.contactNotes, "notes contact");
    // Without an appointment, or with one today or later: untouched.
    EXPECT_EQ(all[1].time, "10:00");
    EXPECT_EQ(all[1].am, "1");
    EXPECT_EQ(all[1].pm, "1");
    EXPECT_EQ(all[1].appointmentType, "Business");
    EXPECT_EQ(all[1].appointmentNotes, "notes appointment");
    EXPECT_EQ(all[2].appointmentDate, std::to_string(today));
    EXPECT_EQ(all[3].subject, "Subject Later");
}

TEST_F(FollowUpsSessionTest, AFollowUpAddedThroughAddNewContactsIsListedAsDueToday) {
    makeContacts({{"Ann", "Smith", 0}, {"Bob", "Jones", today + 1}});
    driver.start(&BrowseContacts);
    driver.waitWindow("Contacts");
    driver.press("Add New Contacts");
    driver.waitWindow("Add New Contacts");
    driver.expectRow(rt::ControlName::parse("11"), 1, "Ann | Smith | ");
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.press(ContactCalendar);
    driver.waitWindow("Contact Date");
    driver.key("Enter");  // today
    driver.waitWindow("Changing a MAIL Record");
    driver.press("OK");
    driver.waitWindow("Add New Contacts");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());  // the follow-ups list closed itself

    driver.start(&BrowseContacts);
    driver.waitWindow("Contacts");
    ASSERT_EQ(rows().rowCount(), 2);
    EXPECT_EQ(rt::clip(rows().field(1, 3).asText()), "Ann");
    EXPECT_EQ(rows().field(1, 1).asNumber(), rt::Decimal(1));
    driver.press(kCloseList);
}

TEST_F(FollowUpsSessionTest, ACancelledCalendarKeepsBothDatesAndTheBankLineKeepsThirtyCharacters) {
    makeContacts({{"Ann", "Smith", today + 7, today + 9, "09:00"}});
    MAIL.open();
    MAIL.set();
    MAIL.next();
    const std::string bankLine = "Springfield, Illinois 62704-12";  // 30 characters
    MAI::BANKCITYSTATEZIP.setText(bankLine);
    MAIL.put();
    MAIL.close();
    for (auto procedure : {&BrowseAppointments, &BrowseContacts}) {
        driver.start(procedure);
        driver.waitWindow(procedure == &BrowseContacts ? "Contacts" : "Appointments");
        driver.press("&Change");
        driver.waitWindow("Changing a MAIL Record");
        driver.press("Appointments");
        driver.press(AppointmentCalendar);
        driver.waitWindow("Appointment Date");
        driver.key("Esc");
        driver.waitWindow("Changing a MAIL Record");
        driver.press("Contact Information");
        driver.press(ContactCalendar);
        driver.waitWindow("Contact Date");
        driver.key("Esc");
        driver.waitWindow("Changing a MAIL Record");
        driver.press("&Name & Address File ");
        driver.type("MAI:CKECKNAME", "Ann Smith");
        driver.press("OK");
        driver.waitWindow(procedure == &BrowseContacts ? "Contacts" : "Appointments");
        driver.press(kCloseList);
        ASSERT_TRUE(driver.finish());
        const Stored stored = storedContacts().at(0);
        EXPECT_EQ(stored.followUp, today + 7);
        EXPECT_EQ(stored.appointmentDate, std::to_string(today + 9));
        EXPECT_EQ(stored.bankCityStateZip, bankLine);
    }
}

// Each edition opens on its own first page, with the focus in a field of that page.
TEST_F(FollowUpsSessionTest, EachFormOpensOnItsFirstPage) {
    makeContacts({{"Ann", "Smith", today + 7, today + 9, "09:00"}});
    struct Case {
        void (*list)();
        const char* title;
        int focused;
    } cases[] = {{&BrowseContacts, "Contacts", EMail1},
                 {&BrowseAppointments, "Appointments", AppointmentType}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        driver.start(c.list);
        driver.waitWindow(c.title);
        driver.press("&Change");
        driver.waitWindow("Changing a MAIL Record");
        EXPECT_EQ(driver.text(rt::ControlName::parse(
                      std::to_string(windows::follow_up_form::FollowUpFormControl::Sheet))),
                  "1");
        EXPECT_EQ(driver.active()->focus(), c.focused);
        driver.press("Cancel");
        driver.waitWindow(c.title);
        driver.press(kCloseList);
        ASSERT_TRUE(driver.finish());
    }
}

}  // namespace
