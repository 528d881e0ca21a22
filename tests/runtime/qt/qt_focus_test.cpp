// The keyboard through the real widgets when windows open and close by themselves: a window
// that opens in the middle of a burst of typing takes none of that burst (no blank or Enter
// presses its buttons), and when a called window or a message closes, its caller has the
// keyboard again on the control that had it, drawn as the default when it is a button.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "runtime/ui/binding.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/scheduler.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using rt::ControlKind;

// Entries 1, 2, 3 and 5 in that order; tabbing into 2 opens the look-up, into 5 a message;
// "Call" (4) opens the look-up at the user's asking.
rt::WindowStructure formWindow() {
    rt::WindowStructure w;
    w.title = "Form";
    w.at = {0, 0, 200, 90};
    qttest::addControl(w, 1, ControlKind::Entry, "", {10, 10, 100, 12}).use = "FIRST";
    qttest::addControl(w, 2, ControlKind::Entry, "", {10, 26, 100, 12}).use = "SECOND";
    qttest::addControl(w, 3, ControlKind::Entry, "", {10, 42, 100, 12}).use = "THIRD";
    qttest::addControl(w, 5, ControlKind::Entry, "", {110, 42, 80, 12}).use = "FOURTH";
    qttest::addControl(w, 4, ControlKind::Button, "Call", {10, 64, 40, 14});
    return w;
}

// A list with a default "Add" button, an entry and "Close"; its program starts on the entry.
rt::WindowStructure lookupWindow() {
    rt::WindowStructure w;
    w.title = "Look-up";
    w.at = {120, 0, 160, 100};
    w.systemMenu = true;
    rt::ControlStructure& list = qttest::addControl(w, 1, ControlKind::List, "", {5, 5, 150, 60});
    list.format = "80L~Name~";
    qttest::addControl(w, 2, ControlKind::Button, "Add", {5, 75, 40, 14}).isDefault = true;
    qttest::addControl(w, 3, ControlKind::Entry, "", {50, 75, 50, 12}).use = "NOTE";
    qttest::addControl(w, 4, ControlKind::Button, "Close", {110, 75, 40, 14});
    return w;
}

struct Program {
    std::atomic<rt::Window*> form{nullptr}, lookup{nullptr}, inner{nullptr};
    qttest::EventLog lookupLog;  // accepted buttons of the look-up
    std::atomic<int> answer{0};  // the message's answer
    std::string first, note;     // written by the program, read after it ended

    // The look-up's "Add" opens another window over it (when not already inner); when that
    // one closes, the look-up closes with it.
    void lookupRun(bool innermost = false) {
        rt::Window w(lookupWindow(), [this](std::string_view use) -> rt::BindingPtr {
            return use == "NOTE" ? rt::bindText("NOTE", note) : nullptr;
        });
        std::vector<std::vector<rt::Value>> rows;
        for (const char* name : {"Acme", "Bolt"})
            rows.push_back({rt::Value(name)});
        w.setRows(1, rt::rowsFrom(rows));
        w.open();
        w.select(3);
        (innermost ? inner : lookup) = &w;
        while (w.accept()) {
            if (w.event() == EVENT::Accepted) lookupLog.add(EVENT::Accepted, w.field());
            if (w.accepted() == 4) w.close();
            if (w.accepted() == 2 && !innermost) {
                lookupRun(true);
                w.close();
            }
        }
        (innermost ? inner : lookup) = nullptr;
    }

    void operator()() {
        std::string second, third, fourth;
        rt::Window w(formWindow(), [&](std::string_view use) -> rt::BindingPtr {
            if (use == "FIRST") return rt::bindText("FIRST", first);
            if (use == "SECOND") return rt::bindText("SECOND", second);
            if (use == "THIRD") return rt::bindText("THIRD", third);
            if (use == "FOURTH") return rt::bindText("FOURTH", fourth);
            return nullptr;
        });
        w.open();
        form = &w;
        while (w.accept()) {
            if (w.event() == EVENT::Selected && w.field() == 2) lookupRun();
            if (w.event() == EVENT::Selected && w.field() == 5)
                answer = rt::message("Go on?", "Form", ICON::Question, BUTTON::Yes | BUTTON::No,
                                     BUTTON::Yes);
            if (w.accepted() == 4) lookupRun();
        }
        form = nullptr;
    }
};

using qttest::keyAt;
using qttest::typeAt;

class QtFocusTest : public testing::Test {
  protected:
    void SetUp() override {
        session.start([this] { program(); });
        ASSERT_NE(session.shownWindow(program.form), nullptr);
        form = program.form;
    }

    // True when the form's window has the keyboard on control `control`.
    bool formHasKeyboardOn(int control) {
        return qttest::keyboardBackOn(session.backend(), form, control);
    }

    Program program;
    qttest::QtSession session;
    rt::Window* form = nullptr;
};

TEST_F(QtFocusTest, TheBurstThatOpenedALookupPressesNoneOfItsButtons) {
    session.click(form, 1);
    unsigned long at = typeAt(1000, "ab");
    keyAt(at, Qt::Key_Tab);  // into entry 2: the look-up opens by itself
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.lookup.load() != nullptr; }));
    rt::Window* lookup = program.lookup;
    QWidget* lookupFrame = session.shownWindow(lookup);
    ASSERT_NE(lookupFrame, nullptr);
    session.settle();
    ASSERT_EQ(QApplication::activeWindow(), lookupFrame);
    // It starts on its list, not on the entry its program chose, and the model knows it.
    EXPECT_EQ(QApplication::focusWidget(), session.backend().controlWidget(lookup, 1));
    EXPECT_EQ(lookup->focus(), 1);
    // The rest of the burst, meant for the form: a blank, letters, Tab and Enter.
    at = typeAt(at + 40, "x y");
    keyAt(at, Qt::Key_Tab);
    keyAt(at + 40, Qt::Key_Return);
    session.settle();
    EXPECT_TRUE(program.lookupLog.take().empty());
    EXPECT_EQ(program.lookup.load(), lookup);
    // After a pause the user answers the look-up: Escape closes it.
    keyAt(at + 1500, Qt::Key_Escape);
    session.settle();
    ASSERT_EQ(program.lookup.load(), nullptr);
    EXPECT_TRUE(formHasKeyboardOn(2));
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(program.first, "ab");
}

TEST_F(QtFocusTest, EnterInTheBurstThatOpenedAMessageAnswersNothing) {
    session.click(form, 3);
    keyAt(1000, Qt::Key_Tab);  // into entry 5: the message opens by itself
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    session.settle();
    keyAt(1040, Qt::Key_Return);
    keyAt(1080, Qt::Key_Space);
    session.settle();
    EXPECT_NE(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(program.answer.load(), 0);
    // After a pause Enter answers with the default button.
    keyAt(2000, Qt::Key_Return);
    session.settle();
    EXPECT_EQ(program.answer.load(), BUTTON::Yes);
    EXPECT_TRUE(formHasKeyboardOn(5));
    ASSERT_TRUE(session.finish());
}

TEST_F(QtFocusTest, TypingIntoAWindowTheUserOpenedGoesIn) {
    session.click(form, 4);
    rt::Window* lookup = program.lookup;
    ASSERT_NE(lookup, nullptr);
    // A window the user asked for starts where its program chose.
    ASSERT_NE(session.shownWindow(lookup), nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::focusWidget() == session.backend().controlWidget(lookup, 3); }));
    session.click(lookup, 3);
    unsigned long at = typeAt(1000, "note");
    keyAt(at, Qt::Key_Tab);
    session.settle();
    session.click(lookup, 4);
    ASSERT_EQ(program.lookup.load(), nullptr);
    EXPECT_TRUE(formHasKeyboardOn(4));
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(program.note, "note");
}

TEST_F(QtFocusTest, TwoWindowsClosingTogetherGiveTheKeyboardToTheCallerOfBoth) {
    session.click(form, 1);
    session.click(form, 4);
    rt::Window* lookup = program.lookup;
    ASSERT_NE(lookup, nullptr);
    session.click(lookup, 2);
    rt::Window* inner = program.inner;
    ASSERT_NE(inner, nullptr);
    ASSERT_NE(session.shownWindow(inner), nullptr);
    session.click(inner, 4);
    ASSERT_EQ(program.inner.load(), nullptr);
    ASSERT_EQ(program.lookup.load(), nullptr);
    EXPECT_TRUE(formHasKeyboardOn(4));
    // The keyboard works there: Escape closes the form.
    keyAt(5000, Qt::Key_Escape);
    session.settle();
    EXPECT_EQ(program.form.load(), nullptr);
    ASSERT_TRUE(session.finish());
}

// A form with an entry (1), a button that calls a window (2) and the default OK (3); the
// called window closes with its own OK.
struct FormWithCall {
    std::atomic<rt::Window*> form{nullptr}, called{nullptr};
    qttest::EventLog pressed;  // the form's accepted buttons

    void operator()() {
        rt::WindowStructure s;
        s.title = "Invoice";
        s.at = {0, 0, 160, 60};
        std::string memo;
        qttest::addControl(s, 1, ControlKind::Entry, "", {10, 8, 100, 12}).use = "MEMO";
        qttest::addControl(s, 2, ControlKind::Button, "Memo", {10, 30, 40, 14});
        qttest::addControl(s, 3, ControlKind::Button, "OK", {60, 30, 40, 14}).isDefault = true;
        rt::Window w(s, [&](std::string_view) { return rt::bindText("MEMO", memo); });
        w.open();
        form = &w;
        while (w.accept()) {
            if (w.event() != EVENT::Accepted) continue;
            pressed.add(EVENT::Accepted, w.field());
            if (w.field() == 2) call();
        }
        form = nullptr;
    }

    void call() {
        rt::WindowStructure s;
        s.title = "Memo";
        s.at = {20, 20, 100, 40};
        qttest::addControl(s, 1, ControlKind::Button, "Ok", {10, 10, 40, 14}).isDefault = true;
        rt::Window w(s);
        w.open();
        called = &w;
        while (w.accept())
            if (w.accepted() == 1) w.close();
        called = nullptr;
    }
};

// After a called window closes, the button that called it has the keyboard again: it is the
// one drawn as the default, with its focus mark, and Enter presses it; once the keyboard is
// back in the entry, OK is drawn as the default again and Enter presses OK.
TEST(QtDefaultButtonTest, EnterPressesTheButtonDrawnAsTheDefault) {
    qttest::QtSession session;
    FormWithCall program;
    session.start([&program] { program(); });
    rt::Window* form = program.form;
    QWidget* frame = session.shownWindow(form);
    ASSERT_NE(frame, nullptr);
    auto* memo = qobject_cast<QPushButton*>(session.widget(form, 2));
    auto* ok = qobject_cast<QPushButton*>(session.widget(form, 3));
    ASSERT_TRUE(memo && ok);
    EXPECT_TRUE(ok->isDefault());
    session.click(form, 2);
    ASSERT_NE(program.called.load(), nullptr);
    session.shownTop();
    session.click(program.called, 1);
    ASSERT_EQ(program.called.load(), nullptr);
    ASSERT_TRUE(qttest::keyboardBackOn(session.backend(), form, 2));
    EXPECT_TRUE(memo->isDefault());
    EXPECT_FALSE(ok->isDefault());
    EXPECT_TRUE(frame->testAttribute(Qt::WA_KeyboardFocusChange)) << "no focus mark";
    program.pressed.take();
    keyAt(1000, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.called.load() != nullptr; }));
    session.shownTop();
    session.click(program.called, 1);
    ASSERT_TRUE(qttest::keyboardBackOn(session.backend(), form, 2));
    EXPECT_EQ(program.pressed.take(), (std::vector<std::pair<int, int>>{{EVENT::Accepted, 2}}));
    // Back in the entry: OK is the default again, and Enter presses it.
    keyAt(3000, Qt::Key_Backtab, {}, Qt::ShiftModifier);
    session.settle();
    ASSERT_TRUE(qttest::keyboardBackOn(session.backend(), form, 1));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(memo->isDefault());
    keyAt(4000, Qt::Key_Return);
    session.settle();
    EXPECT_EQ(program.pressed.take(), (std::vector<std::pair<int, int>>{{EVENT::Accepted, 3}}));
    ASSERT_TRUE(session.finish());
}

// A sheet of two pages, "One" with entry 4 and "Two" with entries 5 and 6; the program shows
// all its fields again whenever the tab bar gets the keyboard, as forms do.
struct TwoPages {
    std::atomic<rt::Window*> form{nullptr};
    std::string name, mail, date;

    void operator()() {
        rt::WindowStructure s;
        s.title = "Pages";
        s.at = {0, 0, 200, 80};
        qttest::addControl(s, 1, ControlKind::Sheet, "", {4, 4, 190, 70});
        qttest::addControl(s, 2, ControlKind::Tab, "One", {}).parent = 1;
        qttest::addControl(s, 3, ControlKind::Tab, "Two", {}).parent = 1;
        rt::ControlStructure& first =
            qttest::addControl(s, 4, ControlKind::Entry, "", {10, 24, 80, 12});
        first.use = "NAME";
        first.parent = 2;
        rt::ControlStructure& second =
            qttest::addControl(s, 5, ControlKind::Entry, "", {10, 24, 80, 12});
        second.use = "MAIL";
        second.parent = 3;
        rt::ControlStructure& third =
            qttest::addControl(s, 6, ControlKind::Entry, "", {10, 40, 80, 12});
        third.use = "DATE";
        third.parent = 3;
        rt::Window w(s, [this](std::string_view use) -> rt::BindingPtr {
            if (use == "NAME") return rt::bindText("NAME", name);
            if (use == "MAIL") return rt::bindText("MAIL", mail);
            if (use == "DATE") return rt::bindText("DATE", date);
            return nullptr;
        });
        w.open();
        form = &w;
        while (w.accept())
            if (w.event() == EVENT::Selected && w.field() == 1) w.display();
        form = nullptr;
    }
};

// Shift+Tab to the tab bar and Right, typed while the program is still showing its fields
// for the tab bar: that showing, from before the change of page, leaves the page the user
// chose, and the Tab and the typing behind the Right reach the fields of that page.
TEST(QtTabChangeTest, TypingBehindAChangeOfPageReachesThatPage) {
    qttest::QtSession session;
    TwoPages program;
    session.start([&program] { program(); });
    rt::Window* form = program.form;
    ASSERT_NE(session.shownWindow(form), nullptr);
    auto* tabs = qobject_cast<QTabWidget*>(session.widget(form, 1));
    ASSERT_NE(tabs, nullptr);
    session.click(form, 4);
    typeAt(1000, "Ann");
    keyAt(1200, Qt::Key_Backtab, {}, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), tabs->tabBar());
    // The program answers the tab bar's focus; what it shows has not reached the screen yet
    // when the user changes the page, and it reads that change only later.
    ASSERT_TRUE(rt::Scheduler::instance().waitIdle(5000));
    rt::Scheduler::instance().acquire();
    keyAt(1240, Qt::Key_Right);
    ASSERT_EQ(tabs->currentIndex(), 1);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs->currentIndex(), 1) << "the page went back to the one the program showed";
    keyAt(1280, Qt::Key_Tab);
    unsigned long at = typeAt(1320, "ann@x");
    keyAt(at, Qt::Key_Tab);
    typeAt(at + 40, "12/24");
    rt::Scheduler::instance().release();
    session.settle();
    // Once the program has answered, the keys held behind the Right go on.
    QWidget* last = session.widget(form, 6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == last; }, 2000));
    EXPECT_EQ(tabs->currentIndex(), 1);
    keyAt(5000, Qt::Key_Tab);  // the last field's text goes to the program too
    session.settle();
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(program.name, "Ann");
    EXPECT_EQ(program.mail, "ann@x");
    EXPECT_EQ(program.date, "12/24");
}

}  // namespace
