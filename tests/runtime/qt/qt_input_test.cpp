// Typing and clicking in real widgets gives the procedure the same events as the headless
// driver gives for the same steps; dialogs answer through real Qt dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <fstream>

#include "drivers/driver.h"
#include "runtime/qt/qt_list.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/text/day_number.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/program.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using qttest::addControl;
using rt::ControlKind;
using Log = std::vector<std::pair<int, int>>;

// Runs a window of `structure` in the session; `log` takes what is pressed (its Accepted
// events).
void startLoggingPresses(qttest::QtSession& session, const rt::WindowStructure& structure,
                         qttest::EventLog& log, std::atomic<rt::Window*>& shown,
                         rt::BindingResolver resolve = {}) {
    session.start([&, resolve] {
        rt::Window w(structure, resolve);
        w.open();
        shown = &w;
        while (w.accept())
            if (w.event() == EVENT::Accepted) log.add(w.event(), w.field());
        shown = nullptr;
    });
}

rt::WindowStructure inputWindow() {
    rt::WindowStructure w;
    w.title = "Input";
    w.at = {0, 0, 200, 130};
    auto add = [&](int number, ControlKind kind, std::string text, rt::Rect at) -> auto& {
        return addControl(w, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Entry, "", {10, 10, 100, 12}).use = "NAME";
    rt::ControlStructure& list = add(2, ControlKind::List, "", {10, 30, 150, 60});
    list.format = "80L~Name~";
    list.verticalScroll = true;
    add(3, ControlKind::Button, "&OK", {10, 100, 40, 14}).isDefault = true;
    add(4, ControlKind::Check, "Tagged", {70, 100, 60, 12}).use = "TAG";
    return w;
}

// The procedure: records every event, and the name each time the entry is accepted.
struct Recorder {
    qttest::EventLog log;
    std::mutex mutex;
    std::vector<std::string> names;
    std::atomic<rt::Window*> window{nullptr};

    void operator()() {
        std::string name, tag;
        rt::Window w(inputWindow(), [&](std::string_view use) -> rt::BindingPtr {
            if (use == "NAME") return rt::bindText("NAME", name);
            if (use == "TAG") return rt::bindText("TAG", tag);
            return nullptr;
        });
        std::vector<std::vector<rt::Value>> rows;
        for (int i = 1; i <= 10; ++i)
            rows.push_back({rt::Value("Row " + std::to_string(i))});
        w.setRows(2, rt::rowsFrom(rows));
        w.open();
        window = &w;
        while (w.accept()) {
            log.add(w.event(), w.field());
            if (w.event() == EVENT::Accepted && w.field() == 1) {
                std::lock_guard lock(mutex);
                names.push_back(name);
            }
        }
        window = nullptr;
    }
};

void wheel(rt::Window& w, int number) {
    rt::Input in;
    in.kind = rt::Input::Kind::Wheel;
    in.control = 2;
    in.number = number;
    w.postInput(in);
}

TEST(QtInputTest, RealWidgetsRaiseTheEventsTheHeadlessDriverRaises) {
    Recorder headless;
    {
        rt::Driver d;
        d.start([&] { headless(); });
        d.type(1, "Hello");
        d.choose(rt::ControlName{rt::ControlName::By::Number, 2, {}}, 2);
        d.key("PgDn");
        d.key("Down");
        d.key("Up");
        wheel(*d.active(), 1);
        d.settle();
        d.thumb(rt::ControlName{rt::ControlName::By::Number, 2, {}}, 60);
        d.click(rt::ControlName{rt::ControlName::By::Number, 4, {}}, 0, "LeftClick");
        d.close();
        ASSERT_TRUE(d.finish());
    }

    Recorder real;
    qttest::QtSession session;
    session.start([&] { real(); });
    QWidget* frame = session.shownWindow(real.window);
    ASSERT_NE(frame, nullptr);
    rt::Window* w = real.window;
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    auto* entry = qobject_cast<QLineEdit*>(session.backend().controlWidget(w, 1));
    auto* list = static_cast<rt::qt::ListView*>(session.backend().controlWidget(w, 2));
    auto* check = qobject_cast<QCheckBox*>(session.backend().controlWidget(w, 4));
    ASSERT_TRUE(entry && list && check);

    entry->setFocus();
    QTest::keyClicks(entry, "Hello");
    QTest::keyClick(entry, Qt::Key_Tab);
    session.settle();
    EXPECT_TRUE(list->hasFocus());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(2).center());
    QTest::keyClick(list, Qt::Key_PageDown);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QPointF at = list->rowRect(1).center();
    QWheelEvent up(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &up);
    session.settle();
    QScrollBar* bar = list->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(60);
    bar->setSliderDown(false);
    session.settle();
    EXPECT_EQ(w->prop(2, PROP::VerticalThumb), 60);
    EXPECT_EQ(w->prop(2, PROP::SelectedRow), 2);
    QTest::mouseClick(check, Qt::LeftButton);
    session.settle();
    EXPECT_TRUE(check->isChecked());
    frame->close();  // from the title bar: a request the procedure handles
    ASSERT_TRUE(session.finish());

    Log expected = headless.log.take();
    Log seen = real.log.take();
    EXPECT_EQ(seen, expected);
    // The steps above, as events: the entry accepted with its new value, the row chosen,
    // the scroll events of the list, the check box focused by the click and accepted, the
    // close request.
    Log steps = {{EVENT::OpenWindow, 0},   {EVENT::Accepted, 1}, {EVENT::Selected, 2},
                 {EVENT::NewSelection, 2}, {EVENT::PageDown, 2}, {EVENT::ScrollDown, 2},
                 {EVENT::ScrollUp, 2},     {EVENT::ScrollUp, 2}, {EVENT::ScrollDrag, 2},
                 {EVENT::Selected, 4},     {EVENT::Accepted, 4}, {EVENT::CloseWindow, 0}};
    EXPECT_EQ(seen, steps);
    EXPECT_EQ(real.names, std::vector<std::string>{"Hello"});
    EXPECT_EQ(real.names, headless.names);
}

TEST(QtInputTest, EscapeAndTheDefaultButtonGoThroughTheModel) {
    Recorder real;
    qttest::QtSession session;
    session.start([&] { real(); });
    QWidget* frame = session.shownWindow(real.window);
    ASSERT_NE(frame, nullptr);
    rt::Window* w = real.window;
    auto* entry = qobject_cast<QLineEdit*>(session.backend().controlWidget(w, 1));
    entry->setFocus();
    QTest::keyClicks(entry, "Jo");
    QTest::keyClick(entry, Qt::Key_Return);  // the typed text first, then the default button
    session.settle();
    // Enter pressed the default button: the focus stays in the entry.
    EXPECT_TRUE(session.backend().controlWidget(w, 1)->hasFocus());
    QTest::keyClick(entry, Qt::Key_Escape);
    ASSERT_TRUE(session.finish());
    Log steps = {{EVENT::OpenWindow, 0},
                 {EVENT::Accepted, 1},
                 {EVENT::Accepted, 3},
                 {EVENT::CloseWindow, 0}};
    EXPECT_EQ(real.log.take(), steps);
    EXPECT_EQ(real.names, std::vector<std::string>{"Jo"});
}

TEST(QtInputTest, AClickOnAStringOverARegionReachesTheRegion) {
    rt::WindowStructure structure;
    structure.title = "Notice";
    structure.at = {0, 0, 200, 60};
    rt::ControlStructure region;
    region.number = 1;
    region.kind = ControlKind::Region;
    region.at = {10, 10, 120, 17};
    structure.controls.push_back(region);
    rt::ControlStructure notice;
    notice.number = 2;
    notice.kind = ControlKind::String;
    notice.text = "Click here for information";
    notice.at = {12, 11};
    structure.controls.push_back(notice);
    qttest::EventLog log;
    std::atomic<rt::Window*> shown{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::Window w(structure);
        w.open();
        shown = &w;
        while (w.accept())
            log.add(w.event(), w.field());
        shown = nullptr;
    });
    QWidget* frame = session.shownWindow(shown);
    ASSERT_NE(frame, nullptr);
    QWidget* text = session.backend().controlWidget(shown, 2);
    ASSERT_NE(text, nullptr);
    // Where the window system sends a click on the middle of the text.
    QWidget* canvas = text->parentWidget();
    const QPoint at = text->geometry().center();
    QWidget* hit = canvas->childAt(at);
    ASSERT_NE(hit, nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(canvas, at));
    session.settle();
    frame->close();
    ASSERT_TRUE(session.finish());
    bool reached = false;
    for (const auto& [event, control] : log.take())
        reached = reached || (event == EVENT::Accepted && control == 1);
    EXPECT_TRUE(reached) << "the click stopped at the text";
}

TEST(QtInputTest, MessageBoxAndPopupMenuAnswerThroughQt) {
    std::atomic<int> answer{-1}, item{-1};
    qttest::QtSession session;
    session.start([&] {
        answer = rt::message("Delete this record?", "Confirm", ICON::Question,
                             BUTTON::Yes | BUTTON::No, BUTTON::No);
        item = rt::popup("&Add|-|~&Change|&Delete");
    });
    QMessageBox* box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return box != nullptr;
    }));
    EXPECT_EQ(box->text(), "Delete this record?");
    EXPECT_EQ(box->windowTitle(), "Confirm");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    box->button(QMessageBox::Yes)->click();
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    }));
    EXPECT_EQ(answer, BUTTON::Yes);
    QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_FALSE(actions[2]->isEnabled());
    actions[3]->trigger();
    menu->close();
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(item, 3);
}

TEST(QtInputTest, AMessageBoxWhoseWindowClosesUnderItAnswersItsDefault) {
    std::atomic<int> answer{-1};
    std::atomic<rt::Window*> first{nullptr}, second{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = inputWindow();
        rt::start([&] {
            answer = rt::message("Still there?", "Other thread", ICON::Question,
                                 BUTTON::Yes | BUTTON::No, BUTTON::No);
        });
        {
            rt::Window w(structure);
            w.open();
            first = &w;
            while (w.accept()) {
            }
            first = nullptr;
        }
        rt::Window v(structure);
        v.open();
        second = &v;
        while (v.accept()) {
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    }));
    // The box sits on the first window, which its own thread now closes.
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_EQ(box->parentWidget(), session.backend().windowWidget(first));
    rt::Input close;
    close.kind = rt::Input::Kind::Close;
    session.backend().deliver(first, close);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        return answer != -1;
    }));
    EXPECT_EQ(answer, BUTTON::No);
    EXPECT_NE(second.load(), nullptr);
    ASSERT_TRUE(session.finish());
}

TEST(QtInputTest, FileDialogAnswersTheChosenFileOrNothing) {
    testsupport::TempDir dir;
    std::string chosen = (dir.path() / "CONTACTS.CSV").string();
    std::ofstream(chosen) << "a,b\n";
    std::mutex mutex;
    std::vector<std::optional<std::string>> answers;
    qttest::QtSession session;
    session.start([&] {
        for (int i = 0; i < 2; ++i) {
            auto file = rt::fileDialog("Import Files", "CSV Files|*.CSV|All Files|*.*");
            std::lock_guard lock(mutex);
            answers.push_back(file);
        }
    });
    for (bool accept : {true, false}) {
        QFileDialog* dialog = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            session.settle();
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr && dialog->isVisible();
        }));
        EXPECT_EQ(dialog->windowTitle(), "Import Files");
        EXPECT_EQ(dialog->nameFilters(), QStringList({"CSV Files (*.CSV)", "All Files (*.*)"}));
        if (accept) {
            // As a user types the name into the dialog's file name box.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(chosen));
            static_cast<QDialog*>(dialog)->accept();  // as the Open button does
        } else {
            dialog->reject();
        }
        QTest::qWait(0);
    }
    ASSERT_TRUE(session.finish());
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], chosen);
    EXPECT_EQ(answers[1], std::nullopt);
}

TEST(QtInputTest, PrinterSetupOpensQtsPrintDialog) {
    std::atomic<int> confirmed{-1};
    qttest::QtSession session;
    session.start([&] {
        rt::PrinterSettings settings;
        settings.copies = 2;
        confirmed = rt::printerDialog("Printer Setup", settings) ? 1 : 0;
    });
    QDialog* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr && dialog->isVisible();
    }));
    EXPECT_TRUE(dialog->inherits("QPrintDialog")) << dialog->metaObject()->className();
    EXPECT_EQ(dialog->windowTitle(), "Printer Setup");
    dialog->reject();
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(confirmed, 0);
}

}  // namespace

TEST(QtInputTest, AClickedControlTakesTheFocusAndAButtonIsAcceptedAfterIt) {
    rt::WindowStructure structure;
    structure.title = "Click";
    structure.at = {0, 0, 200, 100};
    auto add = [&](int number, ControlKind kind, std::string text, rt::Rect at) -> auto& {
        return addControl(structure, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Entry, "", {10, 10, 100, 12});
    add(2, ControlKind::Button, "Find", {10, 40, 40, 14});
    add(3, ControlKind::Button, "Tool", {0, 0, 16, 16}).toolbar = true;
    auto program = [&](qttest::EventLog& log, std::atomic<rt::Window*>& shown) {
        rt::Window w(structure);
        w.open();
        shown = &w;
        while (w.accept())
            if (w.field() != 0) log.add(w.event(), w.field());
        shown = nullptr;
    };

    qttest::EventLog headless;
    {
        std::atomic<rt::Window*> shown{nullptr};
        rt::Driver d;
        d.start([&] { program(headless, shown); });
        d.click(rt::ControlName{rt::ControlName::By::Number, 2, {}}, 0, "LeftClick");
        d.click(rt::ControlName{rt::ControlName::By::Number, 3, {}}, 0, "LeftClick");
        d.click(rt::ControlName{rt::ControlName::By::Number, 1, {}}, 0, "LeftClick");
        d.close();
        ASSERT_TRUE(d.finish());
    }

    qttest::EventLog real;
    std::atomic<rt::Window*> shown{nullptr};
    qttest::QtSession session;
    session.start([&] { program(real, shown); });
    QWidget* frame = session.shownWindow(shown);
    ASSERT_NE(frame, nullptr);
    QTest::mouseClick(session.backend().controlWidget(shown, 2), Qt::LeftButton);
    session.settle();
    QTest::mouseClick(session.backend().controlWidget(shown, 3), Qt::LeftButton);
    session.settle();
    QTest::mouseClick(session.backend().controlWidget(shown, 1), Qt::LeftButton);
    session.settle();
    frame->close();
    ASSERT_TRUE(session.finish());

    Log seen = real.take();
    Log steps = {{EVENT::Selected, 2},
                 {EVENT::Accepted, 2},
                 {EVENT::Selected, 3},
                 {EVENT::Accepted, 3},
                 {EVENT::Selected, 1}};
    EXPECT_EQ(seen, steps);
    EXPECT_EQ(seen, headless.take());
}

// Tab leaves a field and Qt moves the focus on at once; a control the program selects in
// answer to the field's acceptance still ends with the focus, on the screen and in the model.
TEST(QtInputTest, AControlSelectedInAnswerToATabKeepsTheFocus) {
    rt::WindowStructure structure;
    structure.title = "Tab";
    structure.at = {0, 0, 200, 120};
    auto add = [&](int number, ControlKind kind, rt::Rect at) -> auto& {
        return addControl(structure, number, kind, "", at);
    };
    add(1, ControlKind::Entry, {10, 10, 100, 12}).use = "FIND";
    add(2, ControlKind::Entry, {10, 26, 100, 12});
    add(3, ControlKind::List, {10, 44, 150, 60}).format = "80L~Name~";
    struct Case {
        const char* typed;
        int focused;  // the program selects the list when the entry holds "go"
    } cases[] = {{"go", 3}, {"stay", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::atomic<rt::Window*> shown{nullptr};
        qttest::QtSession session;
        session.start([&] {
            std::string find;
            rt::Window w(structure, [&](std::string_view use) -> rt::BindingPtr {
                return use == "FIND" ? rt::bindText("FIND", find) : nullptr;
            });
            const std::vector<std::vector<rt::Value>> rows = {{rt::Value("Row")}};
            w.setRows(3, rt::rowsFrom(rows));
            w.open();
            shown = &w;
            while (w.accept())
                if (w.event() == EVENT::Accepted && w.field() == 1 && find.starts_with("go"))
                    w.select(3);
            shown = nullptr;
        });
        QWidget* frame = session.shownWindow(shown);
        ASSERT_NE(frame, nullptr);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QWidget* entry = session.backend().controlWidget(shown, 1);
        QTest::mouseClick(entry, Qt::LeftButton);
        QTest::keyClicks(entry, c.typed);
        QTest::keyClick(entry, Qt::Key_Tab);
        session.settle();
        EXPECT_EQ(shown.load()->focus(), c.focused);
        EXPECT_TRUE(session.backend().controlWidget(shown, c.focused)->hasFocus());
        frame->close();
        ASSERT_TRUE(session.finish());
    }
}

// Enter in a text box starts a new line there; in an entry it presses the default button.
TEST(QtInputTest, EnterInATextBoxStartsANewLineAndPressesNoButton) {
    rt::WindowStructure structure;
    structure.title = "Notes";
    structure.at = {0, 0, 200, 120};
    auto add = [&](int number, ControlKind kind, std::string text, rt::Rect at) -> auto& {
        return addControl(structure, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Text, "", {10, 10, 150, 60}).use = "NOTES";
    add(2, ControlKind::Entry, "", {10, 76, 100, 12});
    add(3, ControlKind::Button, "&OK", {10, 96, 40, 14}).isDefault = true;
    qttest::EventLog log;
    std::string notes;
    std::atomic<rt::Window*> shown{nullptr};
    qttest::QtSession session;
    startLoggingPresses(session, structure, log, shown,
                        [&](std::string_view use) -> rt::BindingPtr {
                            return use == "NOTES" ? rt::bindText("NOTES", notes) : nullptr;
                        });
    QWidget* frame = session.shownWindow(shown);
    ASSERT_NE(frame, nullptr);
    QWidget* text = session.backend().controlWidget(shown, 1);
    QTest::mouseClick(text, Qt::LeftButton);
    QTest::keyClicks(text, "one");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "two");
    session.settle();
    EXPECT_EQ(log.take(), Log{}) << "Enter in the text box pressed a button";
    QWidget* entry = session.backend().controlWidget(shown, 2);
    QTest::mouseClick(entry, Qt::LeftButton);
    session.settle();
    EXPECT_EQ(notes, "one\ntwo");
    QTest::keyClick(entry, Qt::Key_Return);
    session.settle();
    EXPECT_EQ(log.take(), (Log{{EVENT::Accepted, 1}, {EVENT::Accepted, 3}}));
    frame->close();
    ASSERT_TRUE(session.finish());
}

// Enter on a button that has the focus presses that button, not the window's default one:
// Enter on "Cancel" must not complete the form.
TEST(QtInputTest, EnterOnAFocusedButtonPressesThatButton) {
    rt::WindowStructure structure;
    structure.title = "Buttons";
    structure.at = {0, 0, 200, 60};
    auto add = [&](int number, ControlKind kind, std::string text, rt::Rect at) -> auto& {
        return addControl(structure, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Entry, "", {10, 10, 100, 12});
    add(2, ControlKind::Button, "OK", {10, 30, 40, 14}).isDefault = true;
    add(3, ControlKind::Button, "Cancel", {60, 30, 40, 14});
    add(4, ControlKind::Button, "Help", {110, 30, 40, 14});
    qttest::EventLog log;
    std::atomic<rt::Window*> shown{nullptr};
    qttest::QtSession session;
    startLoggingPresses(session, structure, log, shown);
    QWidget* frame = session.shownWindow(shown);
    ASSERT_NE(frame, nullptr);
    for (int focused : {3, 4, 2}) {
        QWidget* button = session.backend().controlWidget(shown, focused);
        ASSERT_NE(button, nullptr);
        button->setFocus(Qt::TabFocusReason);
        session.settle();
        ASSERT_EQ(shown.load()->focus(), focused);
        QTest::keyClick(button, Qt::Key_Return);
        session.settle();
        EXPECT_EQ(log.take(), (Log{{EVENT::Accepted, focused}})) << "focus on " << focused;
    }
    frame->close();
    ASSERT_TRUE(session.finish());
}

// A date entry takes a four-digit year although its picture shows two: the date is read
// when the entry is accepted, as a number is, not cut to the picture's width first.
TEST(QtInputTest, ADateEntryTakesTheYearAsTyped) {
    rt::WindowStructure structure;
    structure.title = "Date";
    structure.at = {0, 0, 200, 60};
    rt::ControlStructure entry;
    entry.number = 1;
    entry.kind = ControlKind::Entry;
    entry.picture = "@d1";
    entry.use = "DAY";
    entry.at = {10, 10, 60, 12};
    structure.controls.push_back(entry);
    rt::ControlStructure other = entry;
    other.number = 2;
    other.picture.clear();
    other.use.clear();
    other.at = {10, 30, 60, 12};
    structure.controls.push_back(other);
    struct Case {
        const char* typed;
        long day;
    } cases[] = {{"12/25/2027", rt::date(12, 25, 2027)},
                 {"1/5/1999", rt::date(1, 5, 1999)},
                 {"12/25/27", rt::date(12, 25, 2027)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        long day = 0;
        std::atomic<rt::Window*> shown{nullptr};
        qttest::QtSession session;
        session.start([&] {
            rt::Window w(structure, [&](std::string_view use) -> rt::BindingPtr {
                return use == "DAY" ? rt::bindLong("DAY", day) : nullptr;
            });
            w.open();
            shown = &w;
            while (w.accept()) {
            }
            shown = nullptr;
        });
        QWidget* frame = session.shownWindow(shown);
        ASSERT_NE(frame, nullptr);
        QWidget* field = session.backend().controlWidget(shown, 1);
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, c.typed);
        QTest::keyClick(field, Qt::Key_Tab);
        session.settle();
        EXPECT_EQ(day, c.day);
        frame->close();
        ASSERT_TRUE(session.finish());
    }
}

TEST(QtInputTest, TheProgramIconBecomesTheApplicationsWindowIcon) {
    qttest::QtSession session;
    QApplication::setWindowIcon(QIcon());
    session.start([] {
        rt::setProgramIcon("C:\\ICO\\NOSUCH99.ICO");  // missing: the default stays
    });
    session.settle();
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    ASSERT_TRUE(session.finish());

    qttest::QtSession again;
    again.start([] { rt::setProgramIcon("~PC04.ICO"); });
    again.settle();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().pixmap(16).toImage(),
              rt::qt::loadIcon("PC04.ICO").pixmap(16).toImage());
    ASSERT_TRUE(again.finish());
    QApplication::setWindowIcon(QIcon());
}
