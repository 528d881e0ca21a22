// The Insert key in the follow-ups and appointments lists, pressed on their real list widget
// (offscreen): although the "&Insert" button stays hidden and disabled, the key opens the
// list's form on a blank record, nothing of the highlighted contact carried over. A contact
// completed there with a date is listed; a cancelled one adds nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "contacts/contact_procedures.h"
#include "followups/follow_up_form_window.h"
#include "followups/follow_ups_list_window.h"
#include "followups/followup_procedures.h"
#include "frame/calendar_window.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/day_number.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace followuptest;
namespace Form = windows::follow_up_form::FollowUpFormControl;
namespace ListControl = windows::follow_ups_list::DatedListControl;

using qttest::topWindow;

// One list: how it is opened, and where its form takes the date that lists a contact.
struct DatedList {
    const char* name;
    void (*procedure)();
    const char* dateTab;  // the form's page with the date
    int calendarButton;
    int notesField;  // a memo of the list's kind, filled in the highlighted contact
};

const DatedList kLists[] = {
    {"follow-ups", &BrowseContacts, "Contact Information", Form::ContactCalendar,
     Form::ContactNotes},
    {"appointments", &BrowseAppointments, "Appointments", Form::AppointmentCalendar,
     Form::AppointmentNotes},
};

class DatedListsInsertQt : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterFollowUpProcedures();
    }

    QWidget* widget(rt::Window* w, int control) { return session.widget(w, control); }
    void click(rt::Window* w, int control) { session.click(w, control); }

    // The window that opens on top of `under`, shown.
    rt::Window* windowOver(rt::Window* under) {
        rt::Window* top = session.shownTop();
        EXPECT_NE(top, under);
        return top;
    }

    void chooseTab(rt::Window* form, const QString& text) {
        auto* tabs = qobject_cast<QTabWidget*>(widget(form, Form::Sheet));
        ASSERT_NE(tabs, nullptr);
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i).contains(text)) {
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                  tabs->tabBar()->tabRect(i).center());
                session.settle();
                return;
            }
        ADD_FAILURE() << "no tab " << text.toStdString();
    }

    rt::qt::ListView* listView() {
        return dynamic_cast<rt::qt::ListView*>(widget(list, ListControl::List));
    }

    // Opens the list over one contact, highlights its row and presses Insert on the list:
    // the window that opens (nullptr when none does).
    rt::Window* insertFromList(const DatedList& l) {
        makeContacts({{"Ann", "Smith", today + 1, today + 2, "09:00", "1", ""}});
        session.start(l.procedure);
        list = topWindow();
        EXPECT_NE(list, nullptr);
        if (!list || !session.shownWindow(list)) return nullptr;
        session.settle();
        QWidget* insertButton = widget(list, ListControl::Insert);
        EXPECT_FALSE(insertButton->isVisible());
        EXPECT_FALSE(insertButton->isEnabled());
        rt::qt::ListView* rows = listView();
        EXPECT_EQ(rows->rowCount(), 1);
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->rowRect(1).center());
        session.settle();
        QTest::keyClick(rows, Qt::Key_Insert);
        rt::Window* opened = windowOver(list);
        return opened == list ? nullptr : opened;
    }

    // Closes the list, ends the program and reads what it left in the file.
    std::vector<Stored> closeList() {
        EXPECT_EQ(topWindow(), list);
        click(list, ListControl::Close);
        EXPECT_TRUE(session.finish());
        return storedContacts();
    }

    testsupport::TempDir dir{/*enter=*/true};
    qttest::QtSession session;
    rt::Window* list = nullptr;
    const long today = rt::today();
};

TEST_F(DatedListsInsertQt, InsertOpensTheFormOnABlankContactThatIsListedOnceDated) {
    for (const DatedList& l : kLists) {
        SCOPED_TRACE(l.name);
        rt::Window* form = insertFromList(l);
        ASSERT_NE(form, nullptr);

        // A blank record: neither the name nor the notes of the highlighted contact.
        chooseTab(form, l.dateTab);
        auto* notes = qobject_cast<QPlainTextEdit*>(widget(form, l.notesField));
        ASSERT_NE(notes, nullptr);
        EXPECT_EQ(notes->toPlainText().toStdString(), "");
        chooseTab(form, "Name");
        auto* first = qobject_cast<QLineEdit*>(widget(form, Form::FirstName));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->text().trimmed().toStdString(), "");
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 4, 4));
        QTest::keyClicks(first, "Zed");

        // The date through the calendar: today.
        chooseTab(form, l.dateTab);
        click(form, l.calendarButton);
        rt::Window* calendar = windowOver(form);
        ASSERT_NE(calendar, nullptr);
        click(calendar, windows::calendar::CalendarControl::Ok);
        ASSERT_EQ(topWindow(), form);
        click(form, Form::Ok);
        ASSERT_EQ(topWindow(), list);
        EXPECT_EQ(listView()->rowCount(), 2);

        const std::vector<Stored> all = closeList();
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all[0].first, "Ann");
        EXPECT_EQ(all[0].contactNotes, "notes contact");
        const Stored& added = all[1];
        EXPECT_EQ(added.first, "Zed");
        if (l.procedure == &BrowseContacts)
            EXPECT_EQ(added.followUp, today);
        else
            EXPECT_EQ(added.appointmentDate, std::to_string(today));
        EXPECT_EQ(added.contactNotes, "");
        EXPECT_EQ(added.contactResults, "");
        EXPECT_EQ(added.contactLetter, "");
        EXPECT_EQ(added.appointmentNotes, "");
        EXPECT_EQ(added.subject, "");
    }
}

TEST_F(DatedListsInsertQt, ACancelledInsertAddsNothing) {
    for (const DatedList& l : kLists) {
        SCOPED_TRACE(l.name);
        rt::Window* form = insertFromList(l);
        ASSERT_NE(form, nullptr);
        click(form, Form::Cancel);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
        session.settle();
        ASSERT_EQ(topWindow(), list);
        EXPECT_EQ(listView()->rowCount(), 1);

        const std::vector<Stored> all = closeList();
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(all[0].first, "Ann");
        EXPECT_EQ(all[0].followUp, today + 1);
        EXPECT_EQ(all[0].appointmentDate, std::to_string(today + 2));
    }
}

}  // namespace
