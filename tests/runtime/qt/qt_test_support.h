#pragma once
// Runs a program with the Qt backend inside a test: the test's thread is the GUI thread,
// the program runs on application threads, and the test waits for it as a user would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/qt/page_painter.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"

namespace qttest {

// A control of a test window: its number, kind, text and place.
inline rt::ControlStructure control(int number, rt::ControlKind kind, std::string text,
                                    rt::Rect at) {
    rt::ControlStructure c;
    c.number = number;
    c.kind = kind;
    c.text = std::move(text);
    c.at = at;
    return c;
}

// The same control added to a window structure, for the test to set up further.
inline rt::ControlStructure& addControl(rt::WindowStructure& w, int number, rt::ControlKind kind,
                                        std::string text, rt::Rect at) {
    w.controls.push_back(control(number, kind, std::move(text), at));
    return w.controls.back();
}

// The window on top of all others; nullptr when none is open.
inline rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// Opens `w` on the application thread, names it in `shown` while it is open and runs its
// loop until it closes.
inline void runShown(rt::Window& w, std::atomic<rt::Window*>& shown) {
    w.open();
    shown = &w;
    while (w.accept()) {
    }
    shown = nullptr;
}

class QtSession {
  public:
    QtSession() {
        rt::qt::ensureApplication();
        QApplication::setQuitOnLastWindowClosed(false);
        backend_ = std::make_unique<rt::qt::QtBackend>();
    }
    ~QtSession() { finish(); }

    rt::qt::QtBackend& backend() { return *backend_; }

    void start(std::function<void()> programMain) {
        rt::Scheduler::instance().startProgram(*backend_, std::move(programMain));
        settle();
    }

    // Waits until every application thread waits and the GUI has caught up with the model,
    // keys held for the program's answer handed on (the hold looks every few milliseconds).
    void settle() {
        for (int round = 0; round < 4; ++round) {
            rt::Scheduler::instance().waitIdle(5000);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            if (round == 2) QTest::qWait(15);
        }
    }

    bool ended() { return rt::Scheduler::instance().programEnded(); }

    // Closes what is still open until the program ends.
    bool finish() {
        for (int round = 0; round < 50 && !ended(); ++round) {
            settle();
            if (ended()) break;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box->defaultButton()) {
                    box->defaultButton()->click();
                } else {
                    box->reject();
                }
                continue;
            }
            rt::Window* active = nullptr;
            {
                std::lock_guard lock(rt::Scheduler::instance().mutex());
                auto& z = rt::Scheduler::instance().zOrder();
                if (!z.empty()) active = z.back();
            }
            if (!active) break;
            rt::Input close;
            close.kind = rt::Input::Kind::Close;
            backend_->deliver(active, close);
        }
        for (int round = 0; round < 500; ++round) {
            if (rt::Scheduler::instance().waitEnded(10)) {
                QCoreApplication::processEvents();
                return true;
            }
            QCoreApplication::processEvents();
        }
        return false;
    }

    // The window's widgets, once the GUI shows them.
    QWidget* shownWindow(const rt::Window* w) {
        QWidget* frame = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                frame = backend_->windowWidget(w);
                return frame && frame->isVisible();
            },
            5000);
        return frame;
    }

    // The window on top once the program waits, shown (a test failure when none is).
    rt::Window* shownTop() {
        settle();
        rt::Window* top = topWindow();
        EXPECT_NE(top, nullptr);
        if (top) {
            EXPECT_NE(shownWindow(top), nullptr);
        }
        settle();
        return top;
    }

    // A control's widget (a test failure when it has none).
    QWidget* widget(rt::Window* w, int control) {
        QWidget* found = backend_->controlWidget(w, control);
        EXPECT_NE(found, nullptr) << "control " << control;
        return found;
    }

    // A left click in the middle of a control, and the program's answer to it.
    void click(rt::Window* w, int control) {
        QWidget* target = widget(w, control);
        if (!target) return;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        settle();
    }

  private:
    std::unique_ptr<rt::qt::QtBackend> backend_;
};

// One key pressed and let go at `at` milliseconds, as the window system stamps keys: typing at
// a known pace without waiting for it. Each key goes to the window of the widget that has the
// keyboard, which hands it on to that widget, the way keys from the window system travel.
inline void keyAt(unsigned long at, Qt::Key key, const QString& text = {},
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    auto send = [&](QEvent::Type type, unsigned long stamp) {
        // A window just shown takes the keyboard once the window system has activated it.
        (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000);
        QWidget* to = QApplication::focusWidget();
        if (!to) return false;
        QKeyEvent event(type, key, modifiers, text);
        event.setTimestamp(stamp);
        QWindow* window = to->window()->windowHandle();
        QApplication::sendEvent(window ? static_cast<QObject*>(window) : to, &event);
        return true;
    };
    ASSERT_TRUE(send(QEvent::KeyPress, at)) << "no widget has the keyboard";
    send(QEvent::KeyRelease, at + 10);
}

// Letters and blanks typed from `at`, 40 ms apart; answers the time after the last.
inline unsigned long typeAt(unsigned long at, const QString& text) {
    for (QChar c : text) {
        keyAt(at, c == ' ' ? Qt::Key_Space : Qt::Key(c.toUpper().unicode()), QString(c));
        at += 40;
    }
    return at;
}

// A window with an entry (1) and a button (2) that calls `procedure`: the caller a test's
// window returns to. Run as the program; `window` is set while it is open.
struct CallerWindow {
    std::function<void()> procedure;
    std::atomic<rt::Window*> window{nullptr};

    void operator()() {
        rt::WindowStructure s;
        s.title = "Caller";
        s.at = {0, 0, 160, 50};
        std::string note;
        rt::ControlStructure& entry =
            addControl(s, 1, rt::ControlKind::Entry, "", {10, 8, 100, 12});
        entry.use = "NOTE";
        addControl(s, 2, rt::ControlKind::Button, "Call", {10, 28, 40, 14});
        rt::Window w(s, [&](std::string_view) { return rt::bindText("NOTE", note); });
        w.open();
        window = &w;
        while (w.accept())
            if (w.accepted() == 2) procedure();
        window = nullptr;
    }
};

// True once the window has the keyboard on its control `control`.
inline bool keyboardBackOn(rt::qt::QtBackend& backend, rt::Window* window, int control) {
    QWidget* frame = backend.windowWidget(window);
    QWidget* want = backend.controlWidget(window, control);
    return QTest::qWaitFor(
        [&] {
            return QApplication::activeWindow() == frame && QApplication::focusWidget() == want;
        },
        2000);
}

// Runs `caller` as the session's program and clicks its button: the window the call opened,
// shown, when its title is `title` (nullptr and a test failure otherwise).
inline rt::Window* openFromCaller(QtSession& session, CallerWindow& caller, const char* title) {
    session.start([&caller] { caller(); });
    rt::Window* from = caller.window;
    if (!from || !session.shownWindow(from)) {
        ADD_FAILURE() << "the caller did not open";
        return nullptr;
    }
    session.click(from, 2);
    rt::Window* called = session.shownTop();
    if (called == from || !called || called->title() != title) {
        ADD_FAILURE() << "\"" << title << "\" did not open";
        return nullptr;
    }
    return called;
}

// Once the called windows have closed: the caller has the keyboard on its button, and it
// works there (Escape ends the caller and the program).
inline void expectCallerHasTheKeyboard(QtSession& session, CallerWindow& caller) {
    rt::Window* from = caller.window;
    ASSERT_EQ(topWindow(), from);
    EXPECT_TRUE(keyboardBackOn(session.backend(), from, 2));
    keyAt(5000, Qt::Key_Escape);
    session.settle();
    EXPECT_EQ(caller.window.load(), nullptr);
    ASSERT_TRUE(session.finish());
}

// Events a program saw, written by the application thread and read by the test between
// steps (while every application thread waits).
struct EventLog {
    std::mutex mutex;
    std::vector<std::pair<int, int>> events;  // (event, control)
    void add(int event, int control) {
        std::lock_guard lock(mutex);
        events.emplace_back(event, control);
    }
    std::vector<std::pair<int, int>> take() {
        std::lock_guard lock(mutex);
        auto out = events;
        events.clear();
        return out;
    }
};

}  // namespace qttest
