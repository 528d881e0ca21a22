// The contacts list and contact form used with real mouse clicks and key presses on their
// widgets (offscreen): typing into clicked blank fields, the additional notes, one click on
// OK, the status text, prompt letters and the list's columns.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <vector>

#include "contacts/additional_notes_window.h"
#include "contacts/contact_form_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/contact_search_window.h"
#include "contacts/contacts_list_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/mail.h"
#include "reference/reference_procedures.h"
#include "reference/zip_lookup_window.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/fixed_text.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace ContactsControl = windows::contacts_list::ContactsControl;
namespace ContactFormControl = windows::contact_form::ContactFormControl;

using qttest::topWindow;

class ContactInputQt : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterReferenceProcedures();
    }

    QWidget* widget(rt::Window* w, int control) { return session.widget(w, control); }
    void click(rt::Window* w, int control) { session.click(w, control); }

    // The widget with the keyboard focus in a window (the offscreen platform does not
    // always make a window active again when the one over it closes).
    QWidget* focused(rt::Window* w) {
        QWidget* frame = session.backend().windowWidget(w);
        return frame ? frame->focusWidget() : nullptr;
    }

    // Clicks into a field near its right end, where a blank field's caret lands, and types.
    void typeInto(rt::Window* w, int control, const QString& text) {
        QWidget* target = widget(w, control);
        if (!target) return;
        QTest::mouseClick(target, Qt::LeftButton, {},
                          QPoint(target->width() - 4, target->height() / 2));
        QTest::keyClicks(target, text);
    }

    // Key presses carrying each character's text, as a keyboard of any language sends them
    // (QTest::keyClicks takes Latin-1 only).
    static void typeText(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        }
    }

    // The one message box showing: its text, once it has been closed with OK.
    static QString closeMessage() {
        std::vector<QMessageBox*> boxes;
        const bool shown = QTest::qWaitFor(
            [&] {
                boxes.clear();
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    auto* b = qobject_cast<QMessageBox*>(w);
                    if (b && b->isVisible()) boxes.push_back(b);
                }
                return !boxes.empty();
            },
            3000);
        if (!shown) return QStringLiteral("(no message)");
        if (boxes.size() != 1) return QStringLiteral("(%1 messages)").arg(boxes.size());
        const QString text = boxes[0]->text();
        QPointer<QMessageBox> box = boxes[0];
        box->button(QMessageBox::Ok)->click();
        if (!QTest::qWaitFor([&] { return box.isNull() || !box->isVisible(); }, 3000))
            return QStringLiteral("(the message stayed)");
        return text;
    }

    // The window that opens on top of `under`, shown.
    rt::Window* windowOver(rt::Window* under) {
        rt::Window* top = session.shownTop();
        EXPECT_NE(top, under);
        return top;
    }

    void chooseTab(rt::Window* form, int index) {
        auto* tabs = qobject_cast<QTabWidget*>(widget(form, ContactFormControl::Sheet));
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                          tabs->tabBar()->tabRect(index).center());
        session.settle();
    }

    // Opens the contacts list and its form for a new contact.
    void openNewContact() {
        session.start([] { BrowseMAIL(); });
        list = topWindow();
        ASSERT_NE(list, nullptr);
        ASSERT_NE(session.shownWindow(list), nullptr);
        click(list, ContactsControl::Add);
        form = windowOver(list);
        ASSERT_NE(form, nullptr);
    }

    // A new contact "Anna" with its additional notes open: the notes window.
    rt::Window* openNotes() {
        openNewContact();
        QTest::keyClicks(focused(form), "Anna");
        click(form, ContactFormControl::AdditionalNotes);
        return windowOver(form);
    }

    // "&Ok" of the notes by its letter (the focus never leaves them), then the form's OK.
    void saveNotesAndContact(QWidget* notesField) {
        QTest::keyClick(notesField, Qt::Key_O, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow() == form; }, 3000));
        session.settle();
        click(form, ContactFormControl::Ok);
        closeList();
    }

    // The contact form's zip field opens the zip look-up while the zip is unknown: close it.
    void closeZipLookup() {
        rt::Window* lookup = windowOver(form);
        ASSERT_NE(lookup, nullptr);
        click(lookup, windows::zip_lookup::ZipLookupControl::Close);
        ASSERT_EQ(topWindow(), form);
    }

    // "Cancel", and "Yes" to "Are you sure you want to cancel?".
    void cancelForm() {
        click(form, ContactFormControl::Cancel);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
        session.settle();
        closeList();
    }

    void closeList() {
        ASSERT_EQ(topWindow(), list);
        click(list, ContactsControl::Close);
        ASSERT_TRUE(session.finish());
    }

    // The form's OK, the list closed, and the contact it stored read back.
    void saveAndReadContact() {
        click(form, ContactFormControl::Ok);
        closeList();
        readFirstContact();
    }

    static void readFirstContact() {
        MAIL.open();
        MAIL.set();
        ASSERT_EQ(MAIL.next(), 0);
    }

    testsupport::TempDir dir{/*enter=*/true};
    qttest::QtSession session;
    rt::Window* list = nullptr;
    rt::Window* form = nullptr;
};

TEST_F(ContactInputQt, TypingIntoClickedBlankFieldsReachesTheRecord) {
    openNewContact();
    // The field focused when the form opens takes typing at once.
    ASSERT_EQ(focused(form), widget(form, ContactFormControl::FirstName));
    QTest::keyClicks(focused(form), "Anna");
    typeInto(form, ContactFormControl::LastName, "Smith");
    typeInto(form, ContactFormControl::City, "Portland");
    click(form, ContactFormControl::Zip);
    closeZipLookup();
    ASSERT_EQ(focused(form), widget(form, ContactFormControl::Zip));
    QTest::keyClicks(focused(form), "97201");
    typeInto(form, ContactFormControl::phoneNumber(0), "5035551212");
    chooseTab(form, 1);
    typeInto(form, ContactFormControl::EMail1, "anna@example.com");
    // A blank field shows no padding blanks.
    auto* company = qobject_cast<QLineEdit*>(widget(form, ContactFormControl::CompanyName));
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->text(), "");
    saveAndReadContact();
    EXPECT_EQ(rt::clip(MAI::FIRSTNAME.text()), "Anna");
    EXPECT_EQ(rt::clip(MAI::LASTNAME.text()), "Smith");
    EXPECT_EQ(rt::clip(MAI::CITY.text()), "Portland");
    EXPECT_EQ(rt::clip(MAI::ZIP.text()), "97201");
    EXPECT_EQ(rt::clip(MAI::HOMEPHONE.text()), "5035551212");
    EXPECT_EQ(rt::clip(MAI::EMAIL1.text()), "anna@example.com");
    MAIL.close();
}

// Tabbing into the empty zip at full speed opens the zip look-up by itself: it starts on its
// list, and the rest of the burst, meant for the form, chooses nothing there.
TEST_F(ContactInputQt, TheZipLookUpOpenedInABurstOfTypingTakesNoneOfIt) {
    openNewContact();
    click(form, ContactFormControl::City);
    unsigned long at = qttest::typeAt(1000, "Portland");
    qttest::keyAt(at, Qt::Key_Tab);
    at = qttest::typeAt(at + 40, "OR");
    qttest::keyAt(at, Qt::Key_Tab);  // into the zip: the look-up opens
    ASSERT_TRUE(QTest::qWaitFor([&] { return topWindow() != form; }));
    rt::Window* lookup = windowOver(form);
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(focused(lookup), widget(lookup, windows::zip_lookup::ZipLookupControl::List));
    at = qttest::typeAt(at + 40, "97201 ");
    qttest::keyAt(at, Qt::Key_Return);
    session.settle();
    ASSERT_EQ(topWindow(), lookup);
    // After a pause the user leaves it; the form has the keyboard on the zip.
    qttest::keyAt(at + 2000, Qt::Key_Escape);
    session.settle();
    ASSERT_EQ(topWindow(), form);
    EXPECT_TRUE(qttest::keyboardBackOn(session.backend(), form, ContactFormControl::Zip));
    qttest::typeAt(at + 4000, "97201");
    saveAndReadContact();
    EXPECT_EQ(rt::clip(MAI::CITY.text()), "Portland");
    EXPECT_EQ(rt::clip(MAI::STATE.text()), "OR");
    EXPECT_EQ(rt::clip(MAI::ZIP.text()), "97201");
    MAIL.close();
}

// The records keep Windows-1252 text: a character outside it is refused where it is typed,
// with a message naming it, and what was typed before stays.
TEST_F(ContactInputQt, ACharacterTheRecordsCannotHoldIsRefusedWhereItIsTyped) {
    openNewContact();
    QWidget* first = focused(form);
    typeText(first, QStringLiteral("Łukasz"));
    const QString message = closeMessage();
    EXPECT_TRUE(message.startsWith(QStringLiteral("“Ł” (U+0141) cannot be kept")))
        << message.toStdString();
    EXPECT_EQ(qobject_cast<QLineEdit*>(first)->text(), "ukasz");
    // What was typed before the character stays; what follows goes on after it.
    QWidget* last = widget(form, ContactFormControl::LastName);
    QTest::mouseClick(last, Qt::LeftButton, {}, QPoint(last->width() - 4, last->height() / 2));
    typeText(last, QStringLiteral("Dvořák"));
    EXPECT_TRUE(closeMessage().startsWith(QStringLiteral("“ř” (U+0159) cannot be kept")));
    EXPECT_EQ(qobject_cast<QLineEdit*>(last)->text(), QStringLiteral("Dvoák"));
    // Several such characters give one message, naming the first.
    QWidget* city = widget(form, ContactFormControl::City);
    QTest::mouseClick(city, Qt::LeftButton, {}, QPoint(city->width() - 4, city->height() / 2));
    typeText(city, QStringLiteral("日本語"));
    EXPECT_TRUE(closeMessage().startsWith(QStringLiteral("“日” (U+65E5)")));
    EXPECT_EQ(qobject_cast<QLineEdit*>(city)->text(), "");
    saveAndReadContact();
    EXPECT_EQ(rt::clip(MAI::FIRSTNAME.text()), "ukasz");
    EXPECT_EQ(std::string(rt::clip(MAI::LASTNAME.text())), "Dvo\xE1k");
    EXPECT_EQ(rt::clip(MAI::CITY.text()), "");
    MAIL.close();
}

// A text box refuses such a character the same way, keeping its lines as they were.
TEST_F(ContactInputQt, ATextBoxRefusesACharacterTheRecordsCannotHold) {
    rt::Window* notes = openNotes();
    ASSERT_NE(notes, nullptr);
    auto* box = qobject_cast<QPlainTextEdit*>(
        widget(notes, windows::additional_notes::NotesControl::Notes));
    ASSERT_NE(box, nullptr);
    typeText(box, QStringLiteral("Call Zoë"));
    QTest::keyClick(box, Qt::Key_Return);
    typeText(box, QStringLiteral("ask Łukasz"));
    EXPECT_TRUE(closeMessage().startsWith(QStringLiteral("“Ł” (U+0141) cannot be kept")));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Call Zoë\nask ukasz"));
    saveNotesAndContact(box);

    readFirstContact();
    EXPECT_EQ(MAI::NOTES3.text(), "Call Zo\xEB\nask ukasz");
    MAIL.close();
}

TEST_F(ContactInputQt, AdditionalNotesLeftWithTheirLetterAreStored) {
    rt::Window* notes = openNotes();
    ASSERT_NE(notes, nullptr);
    ASSERT_EQ(focused(notes), widget(notes, windows::additional_notes::NotesControl::Notes));
    QTest::keyClicks(focused(notes), "Call after five");
    saveNotesAndContact(focused(notes));

    readFirstContact();
    EXPECT_EQ(MAI::NOTES3.text(), "Call after five");
    MAIL.close();
}

// The mouse goes down on OK right after typing; the typed text reaches the model while the
// button is held, and letting go presses it.
TEST_F(ContactInputQt, OneClickOnOkAfterTypingPressesIt) {
    openNewContact();
    chooseTab(form, 2);
    typeInto(form, ContactFormControl::AppointmentSubject, "Lunch");
    QWidget* ok = widget(form, ContactFormControl::Ok);
    QTest::mousePress(ok, Qt::LeftButton, {}, ok->rect().center());
    session.settle();
    QTest::mouseRelease(ok, Qt::LeftButton, {}, ok->rect().center());
    session.settle();
    EXPECT_EQ(topWindow(), list);
    closeList();

    readFirstContact();
    EXPECT_EQ(rt::clip(MAI::APPOINTMENTSUBJECT.text()), "Lunch");
    MAIL.close();
}

TEST_F(ContactInputQt, StatusTextShowsAndAnUntitledFormShowsNoName) {
    openNewContact();
    QWidget* frame = session.backend().windowWidget(form);
    ASSERT_NE(frame, nullptr);
    auto* bar = frame->findChild<QStatusBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    QStringList shown;
    for (QLabel* zone : bar->findChildren<QLabel*>())
        shown << zone->text();
    EXPECT_TRUE(shown.contains("Adding a MAIL Record")) << shown.join('|').toStdString();
    // "&Name & Address File ": N is the tab's letter, the lone "& " a plain "&".
    auto* tabs = qobject_cast<QTabWidget*>(widget(form, ContactFormControl::Sheet));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "&Name && Address File ");
    // Blank, but not empty: an empty title would make way for the program file's name.
    EXPECT_FALSE(frame->windowTitle().isEmpty());
    EXPECT_TRUE(frame->windowTitle().trimmed().isEmpty());
    cancelForm();
}

TEST_F(ContactInputQt, PromptLettersFocusTheFieldAfterThem) {
    openNewContact();
    QTest::keyClick(focused(form), Qt::Key_A, Qt::AltModifier);
    session.settle();
    EXPECT_EQ(focused(form), widget(form, ContactFormControl::Address));
    EXPECT_EQ(form->focus(), ContactFormControl::Address);
    // A tab's letter brings its page forward in the window model too.
    chooseTab(form, 1);
    ASSERT_EQ(form->choice(ContactFormControl::Sheet), 2);
    QTest::keyClick(focused(form), Qt::Key_N, Qt::AltModifier);
    session.settle();
    EXPECT_EQ(form->choice(ContactFormControl::Sheet), 1);
    // "&Zip:" (on that page) focuses the zip field, which opens the look-up for an unknown zip.
    QTest::keyClick(focused(form), Qt::Key_Z, Qt::AltModifier);
    closeZipLookup();
    EXPECT_EQ(focused(form), widget(form, ContactFormControl::Zip));
    cancelForm();
}

TEST_F(ContactInputQt, EveryColumnOfTheListCanBeReadAndResized) {
    MAIL.create();
    MAIL.open();
    MAIL.clear();
    MAI::FIRSTNAME.setText("Anna");
    MAI::LASTNAME.setText("Smith");
    MAI::CITY.setText("Portland");
    MAI::ZIP.setText("97201");
    MAI::HOMEPHONE.setText("5035551212");
    MAI::WORKPHONE.setText("5035550000");
    MAIL.add();
    MAIL.close();
    session.start([] { BrowseMAIL(); });
    list = topWindow();
    ASSERT_NE(session.shownWindow(list), nullptr);
    session.settle();
    auto* view = dynamic_cast<rt::qt::ListView*>(widget(list, ContactsControl::List));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->rowCount(), 1);
    const auto texts = list->rowTexts(ContactsControl::List, 1);
    const auto spans = view->columnSpans();
    ASSERT_EQ(texts.size(), spans.size());
    // Each cell's text fits its column: the zip shows all five digits, the phones whole.
    const QFontMetrics metrics(view->font());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        const QString text = QString::fromStdString(std::string(rt::clip(texts[i])));
        EXPECT_LE(metrics.horizontalAdvance(text), spans[i].second);
    }
    // The columns are wider than the list: the scroll bar reaches the last one.
    QScrollBar* bar = view->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const auto scrolled = view->columnSpans();
    EXPECT_LE(scrolled.back().first + metrics.horizontalAdvance("(503)-555-0000"),
              view->viewport()->width());
    EXPECT_GE(scrolled[7].first, 0);  // the home phone's column starts inside the list
    // A column border dragged in the header widens its column.
    bar->setValue(0);
    const auto before = view->columnSpans();
    const QPoint border(before[1].first + before[1].second, 4);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, border);
    QTest::mouseMove(view->viewport(), border + QPoint(30, 0));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
    EXPECT_EQ(view->columnSpans()[1].second, before[1].second + 30);
    click(list, ContactsControl::Close);
    ASSERT_TRUE(session.finish());
}

// A right click in a search field is the program's: it opens the field's match types,
// and Qt's own edit menu stays away.
TEST_F(ContactInputQt, ARightClickInASearchFieldOpensItsMatchTypes) {
    session.start([] {
        GLO::Request = REQ::Search;
        SearchMAIL();
    });
    rt::Window* search = topWindow();
    ASSERT_NE(search, nullptr);
    ASSERT_NE(session.shownWindow(search), nullptr);
    session.settle();
    QWidget* field = widget(search, windows::contact_search::SearchControl::FirstName);
    ASSERT_NE(field, nullptr);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, field->rect().center(),
                           field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &menu);
    session.settle();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    rt::Window* types = topWindow();
    ASSERT_NE(types, search);
    EXPECT_EQ(types->title().rfind("Match Type", 0), 0u) << types->title();
    ASSERT_TRUE(session.finish());
}

}  // namespace
