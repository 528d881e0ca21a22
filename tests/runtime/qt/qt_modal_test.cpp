// While a procedure has called another, its window takes no clicks, keys or close requests
// through the real widgets; only the innermost window of each application thread does, and
// a window of another application thread stays usable.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLineEdit>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <thread>

#include "runtime/ui/codes.h"
#include "runtime/ui/program.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using rt::ControlKind;
using Log = std::vector<std::pair<int, int>>;

rt::WindowStructure menuWindow(std::string title, int x) {
    rt::WindowStructure w;
    w.title = std::move(title);
    w.at = {x, 0, 160, 60};
    w.systemMenu = true;
    auto add = [&](int number, ControlKind kind, std::string text, rt::Rect at) {
        qttest::addControl(w, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Entry, "", {10, 10, 100, 12});
    add(2, ControlKind::Button, "Close", {10, 35, 40, 14});
    add(3, ControlKind::Button, "Call", {60, 35, 40, 14});
    return w;
}

// A window whose procedure logs what reaches it; its Close button ends it and its Call
// button runs `call`.
void runLogged(rt::Window& w, qttest::EventLog& log, std::atomic<rt::Window*>& shown,
               const std::function<void()>& beforeLoop = {},
               const std::function<void()>& call = {}) {
    w.open();
    shown = &w;
    if (beforeLoop) beforeLoop();
    while (w.accept()) {
        if (w.event() == EVENT::OpenWindow || w.event() == EVENT::GainFocus ||
            w.event() == EVENT::Selected)
            continue;
        log.add(w.event(), w.field());
        if (w.accepted() == 2) w.close();
        if (w.accepted() == 3 && call) call();
    }
    shown = nullptr;
}

// A close request from the window system (the title bar's close box).
void closeBox(QWidget* frame) {
    QCloseEvent close;
    QApplication::sendEvent(frame->windowHandle(), &close);
}

bool contains(const Log& log, std::pair<int, int> step) {
    return std::find(log.begin(), log.end(), step) != log.end();
}

// A menu whose procedure calls another window before it takes any event, and a window of
// another thread beside them.
struct CallerCalledAndOther {
    qttest::EventLog lowerLog, innerLog, otherLog;
    std::atomic<rt::Window*> lower{nullptr}, inner{nullptr}, other{nullptr};

    void start(qttest::QtSession& session) {
        session.start([this] {
            rt::start([this] {
                rt::Window w(menuWindow("Other", 300));
                runLogged(w, otherLog, other);
            });
            rt::Window menu(menuWindow("Menu", 0));
            runLogged(menu, lowerLog, lower, [this] {
                rt::Window called(menuWindow("Called", 100));
                runLogged(called, innerLog, inner);
            });
        });
    }
};

TEST(QtModalTest, OnlyTheInnermostWindowOfAThreadTakesInputThroughTheWidgets) {
    CallerCalledAndOther windows;
    auto& [lowerLog, innerLog, otherLog, lower, inner, other] = windows;
    qttest::QtSession session;
    windows.start(session);
    ASSERT_NE(session.shownWindow(inner), nullptr);
    ASSERT_NE(session.shownWindow(other), nullptr);
    rt::Window* menu = lower;
    QWidget* menuFrame = session.backend().windowWidget(menu);
    ASSERT_NE(menuFrame, nullptr);

    // The menu's Close button, a key in its entry and its close box do nothing.
    QTest::mouseClick(session.backend().controlWidget(menu, 2), Qt::LeftButton);
    session.settle();
    auto* entry = qobject_cast<QLineEdit*>(session.backend().controlWidget(menu, 1));
    QString before = entry->text();
    QTest::keyClicks(entry, "zz");
    QTest::keyClick(entry, Qt::Key_Escape);
    session.settle();
    EXPECT_EQ(entry->text(), before);
    closeBox(menuFrame);
    session.settle();
    EXPECT_TRUE(menuFrame->isVisible());
    EXPECT_TRUE(menu->isOpen());
    EXPECT_FALSE(menuFrame->isEnabled() && menuFrame->isActiveWindow());

    // The other thread's window still works.
    QTest::mouseClick(session.backend().controlWidget(other, 2), Qt::LeftButton);
    session.settle();
    EXPECT_EQ(other.load(), nullptr);
    EXPECT_TRUE(contains(otherLog.take(), {EVENT::Accepted, 2}));

    // The called window closes; the menu takes input again.
    QTest::mouseClick(session.backend().controlWidget(inner, 2), Qt::LeftButton);
    session.settle();
    ASSERT_EQ(inner.load(), nullptr);
    EXPECT_TRUE(lowerLog.take().empty());
    QTest::keyClicks(session.backend().controlWidget(menu, 1), "ab");
    QTest::keyClick(session.backend().controlWidget(menu, 1), Qt::Key_Escape);
    session.settle();
    EXPECT_EQ(lower.load(), nullptr);
    ASSERT_TRUE(session.finish());
    Log seen = lowerLog.take();
    EXPECT_TRUE(contains(seen, {EVENT::CloseWindow, 0}));
}

TEST(QtModalTest, ACalledWindowIsADialogOfItsCallerSoItStaysAboveIt) {
    CallerCalledAndOther windows;
    auto& [lowerLog, innerLog, otherLog, lower, inner, other] = windows;
    qttest::QtSession session;
    windows.start(session);
    QWidget* calledFrame = session.shownWindow(inner);
    QWidget* otherFrame = session.shownWindow(other);
    ASSERT_NE(calledFrame, nullptr);
    ASSERT_NE(otherFrame, nullptr);
    QWidget* menuFrame = session.backend().windowWidget(lower);
    ASSERT_NE(menuFrame, nullptr);
    // The window system keeps a dialog above the window it is transient for (a click on
    // the caller raises the caller, and with it the dialog).
    EXPECT_EQ(calledFrame->windowType(), Qt::Dialog);
    EXPECT_EQ(calledFrame->windowHandle()->transientParent(), menuFrame->windowHandle());
    // Windows no procedure called stand on their own.
    EXPECT_EQ(menuFrame->windowType(), Qt::Window);
    EXPECT_EQ(otherFrame->windowType(), Qt::Window);
    EXPECT_EQ(otherFrame->windowHandle()->transientParent(), nullptr);
    ASSERT_TRUE(session.finish());
}

TEST(QtModalTest, AClickOnTheCallerWhileTheCallIsPreparedIsDroppedWhenItsWindowOpens) {
    qttest::EventLog lowerLog, innerLog;
    std::atomic<rt::Window*> lower{nullptr}, inner{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::Window menu(menuWindow("Menu", 0));
        runLogged(menu, lowerLog, lower, {}, [&] {
            // The called procedure takes a while before its window opens.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            rt::Window called(menuWindow("Called", 100));
            runLogged(called, innerLog, inner);
        });
    });
    ASSERT_NE(session.shownWindow(lower), nullptr);
    rt::Window* menu = lower;
    // Call, then at once Close, before the called window is there.
    QTest::mouseClick(session.backend().controlWidget(menu, 3), Qt::LeftButton);
    QTest::mouseClick(session.backend().controlWidget(menu, 2), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return inner.load() != nullptr; }));
    ASSERT_NE(session.shownWindow(inner), nullptr);
    QTest::mouseClick(session.backend().controlWidget(inner, 2), Qt::LeftButton);
    session.settle();
    ASSERT_EQ(inner.load(), nullptr);
    EXPECT_EQ(lower.load(), menu);  // the caller is still open
    EXPECT_FALSE(contains(lowerLog.take(), {EVENT::Accepted, 2}));
    QTest::mouseClick(session.backend().controlWidget(menu, 2), Qt::LeftButton);
    session.settle();
    EXPECT_EQ(lower.load(), nullptr);
    ASSERT_TRUE(session.finish());
}

}  // namespace
