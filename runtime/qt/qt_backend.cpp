#include "runtime/qt/qt_backend.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPointer>
#include <QStyle>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <variant>

#include "runtime/qt/key_hold.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_list.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/qt/qt_snapshot.h"
#include "runtime/qt/qt_window.h"
#include "runtime/qt/typing_guard.h"
#include "runtime/text/codepage.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/image_size.h"
#include "runtime/ui/scheduler.h"

namespace rt::qt {

// One change for the GUI thread, copied on the model's thread.
struct Update {
    enum class Kind {
        Open,
        Close,
        Window,
        Control,
        Destroy,
        Focus,
        Timer,
        Dialog,
        Beep,
        Cursor,
        ProgramIcon,
        Clipboard
    };
    Kind kind = Kind::Window;
    Window* window = nullptr;
    Window* modalParent = nullptr;
    std::shared_ptr<WindowData> windowData;
    std::shared_ptr<ControlData> control;
    std::vector<ControlFlags> flags;
    int number = 0;
    std::uint64_t opening = 0;  // the window's openingId, for Open
    DialogPtr dialog;
    std::string text;
};

// Keeps input from the windows of a thread that has called another procedure. Qt's window
// modality stops the window system's clicks, keys and close requests; events sent straight
// to a widget (a test, a driver) pass it, so they are refused here as well.
class CallerGuard : public QObject {
  public:
    std::set<const QWidget*> callers;  // frames of windows with a called window above them

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::Wheel:
            case QEvent::InputMethod:
            case QEvent::Close:
                break;
            default:
                return false;
        }
        if (callers.empty() || !watched->isWidgetType()) return false;
        if (!callers.count(static_cast<QWidget*>(watched)->window())) return false;
        event->ignore();  // a refused close leaves the window shown
        return true;
    }
};

struct QtBackend::Impl {
    QtBackend* self = nullptr;
    QObject context;  // lives on the GUI thread; queued work runs through it
    // GUI thread only
    std::map<const Window*, std::unique_ptr<WindowView>> views;
    std::vector<const Window*> stack;                 // windows in the order they opened
    std::map<const Window*, const Window*> callerOf;  // a called window and its caller
    CallerGuard guard;
    TypingGuard typing;
    KeyHold hold{[this] { return settled(); }};
    int cursor = CURSOR::Normal;
    // Any thread
    std::mutex pendingMutex;
    std::vector<Update> pending;
    bool flushPosted = false;

    void post(Update u) {
        std::lock_guard lock(pendingMutex);
        pending.push_back(std::move(u));
        if (flushPosted) return;
        flushPosted = true;
        QMetaObject::invokeMethod(
            &context, [this] { flush(); }, Qt::QueuedConnection);
    }

    void flush() {
        std::vector<Update> work;
        {
            std::lock_guard lock(pendingMutex);
            work.swap(pending);
            flushPosted = false;
        }
        for (Update& u : work)
            apply(u);
    }

    // True once no application thread runs and every change it made is on the screen.
    bool settled() {
        if (!Scheduler::instance().waitIdle(0)) return false;
        std::lock_guard lock(pendingMutex);
        return pending.empty() && !flushPosted;
    }

    // Input from the keyboard that asks the program to do something (a button pressed by its
    // letter, Enter, Escape, Insert or Delete in a list), as against typing into a field or
    // moving in a list: the keys typed behind it wait for the answer.
    bool isKeyCommand(const Window* model, const Input& in) {
        if (!hold.lastInputWasKey()) return false;
        switch (in.kind) {
            case Input::Kind::Click:
            case Input::Kind::Press:
                return true;
            case Input::Kind::Key:
                break;
            default:
                return false;
        }
        WindowView* v = view(model);
        const ControlData* d = v ? v->data(in.control) : nullptr;
        if (!d || d->structure.kind != ControlKind::List) return true;
        // A list takes its own keys for moving and for its locator.
        const int base = in.key & 0xFF;
        return (in.key & (KEY::CtrlMask | KEY::AltMask)) || base == KEY::Enter ||
               base == KEY::Esc || base == KEY::Insert || base == KEY::Delete;
    }

    WindowView* view(const Window* w) {
        auto it = views.find(w);
        return it == views.end() ? nullptr : it->second.get();
    }

    QWidget* activeWidget() {
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if (WindowView* v = view(*it)) return v->topLevel();
        return nullptr;
    }

    // The newest window that has no called window above it.
    QWidget* usableWidget() {
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if (WindowView* v = view(*it); v && !guard.callers.count(v->topLevel()))
                return v->topLevel();
        return nullptr;
    }

    // After a window or message box closed: unless another window has taken the keyboard,
    // it goes back to `preferred` (the caller), or else to the newest usable window, on the
    // control that had the focus there. Later, so that the window system has settled first.
    void giveKeyboardBack(QPointer<QWidget> preferred) {
        QMetaObject::invokeMethod(
            &context,
            [this, preferred] {
                QWidget* active = QApplication::activeWindow();
                if (active && active->isVisible() && !guard.callers.count(active)) return;
                QWidget* target = QApplication::activeModalWidget();
                if (!target)
                    target =
                        preferred && preferred->isVisible() ? preferred.data() : usableWidget();
                if (!target || guard.callers.count(target)) target = usableWidget();
                if (!target) return;
                target->activateWindow();
                if (QWidget* had = target->focusWidget())
                    had->setFocus(Qt::ActiveWindowFocusReason);
            },
            Qt::QueuedConnection);
    }

    void apply(Update& u) {
        WindowView* v = view(u.window);
        switch (u.kind) {
            case Update::Kind::Open: {
                WindowView* parent = view(u.modalParent);
                Window* model = u.window;
                std::uint64_t opening = u.opening;
                // The view may outlive its window for a moment (the close is still on its
                // way here): its input reaches only that very opening of the window.
                auto created = std::make_unique<WindowView>(
                    *u.windowData,
                    [this, model, opening](Input in) {
                        if (isKeyCommand(model, in)) hold.begin();
                        Window::postInputIfOpen(model, std::move(in), opening);
                    },
                    parent ? parent->topLevel() : nullptr);
                created->show();
                // A window that opened in the middle of the user's typing starts on its list.
                if (typing.holds(created->topLevel()))
                    created->steerToList(created->windowData().focus);
                hold.opened(created->topLevel());
                views[u.window] = std::move(created);
                stack.push_back(u.window);
                if (parent) {
                    callerOf[u.window] = u.modalParent;
                    guard.callers.insert(parent->topLevel());
                }
                break;
            }
            case Update::Kind::Close: {
                QPointer<QWidget> caller;
                if (auto it = callerOf.find(u.window); it != callerOf.end()) {
                    if (WindowView* c = view(it->second)) {
                        caller = c->topLevel();
                        guard.callers.erase(c->topLevel());
                    }
                    callerOf.erase(it);
                }
                if (v) guard.callers.erase(v->topLevel());
                views.erase(u.window);
                std::erase(stack, u.window);
                giveKeyboardBack(caller);
                break;
            }
            case Update::Kind::Window:
                if (v) {
                    v->updateWindow(*u.windowData);
                    v->applyFlags(u.flags);
                }
                break;
            case Update::Kind::Control:
                if (v) {
                    v->updateControl(*u.control);
                    v->applyFlags(u.flags);
                }
                break;
            case Update::Kind::Destroy:
                if (v) {
                    v->destroyControl(u.number);
                    v->applyFlags(u.flags);
                }
                break;
            case Update::Kind::Focus:
                if (!v) break;
                if (!typing.holds(v->topLevel()) || !v->steerToList(u.number))
                    v->focusControl(u.number);
                break;
            case Update::Kind::Timer:
                if (v) v->setTimer(u.number);
                break;
            case Update::Kind::Dialog: {
                QPointer<QWidget> owner = activeWidget();
                presentDialog(u.dialog, owner);
                hold.opened(QApplication::activeModalWidget());
                // A dialog answered gives the keyboard back to the window it came from.
                if (QWidget* shown = QApplication::activeModalWidget())
                    QObject::connect(shown, &QObject::destroyed, &context,
                                     [this, owner] { giveKeyboardBack(owner); });
                break;
            }
            case Update::Kind::Beep:
                QApplication::beep();
                break;
            case Update::Kind::Cursor:
                if (u.number == CURSOR::Wait && cursor != CURSOR::Wait) {
                    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                } else if (u.number != CURSOR::Wait && cursor == CURSOR::Wait) {
                    QGuiApplication::restoreOverrideCursor();
                }
                cursor = u.number;
                break;
            case Update::Kind::Clipboard:
                QGuiApplication::clipboard()->setText(QString::fromStdString(cp1252ToUtf8(u.text)));
                break;
            case Update::Kind::ProgramIcon:
                if (QIcon icon = loadIcon(u.text); !icon.isNull())
                    QApplication::setWindowIcon(icon);
                break;
        }
    }
};

QtBackend::QtBackend() : impl_(std::make_unique<Impl>()) {
    impl_->self = this;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(&impl_->guard);
        app->installEventFilter(&impl_->typing);
        // Installed last, so it sees keys first: a key it holds reaches the guard once, when
        // it is handed on.
        app->installEventFilter(&impl_->hold);
    }
}

QtBackend::~QtBackend() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(&impl_->hold);
        app->removeEventFilter(&impl_->typing);
        app->removeEventFilter(&impl_->guard);
    }
    if (impl_->cursor == CURSOR::Wait) QGuiApplication::restoreOverrideCursor();
}

void QtBackend::windowOpened(Window& window) {
    Update u;
    u.kind = Update::Kind::Open;
    u.window = &window;
    u.opening = window.openingId();
    // A window opened over another of the same thread keeps that one from input.
    if (auto* mine = Scheduler::instance().windowsOfThread(window.thread());
        mine && mine->size() > 1)
        u.modalParent = (*mine)[mine->size() - 2];
    u.windowData = std::make_shared<WindowData>(snapshotWindow(window, true));
    impl_->post(std::move(u));
}

void QtBackend::windowClosed(Window& window) {
    Update u;
    u.kind = Update::Kind::Close;
    u.window = &window;
    impl_->post(std::move(u));
}

void QtBackend::controlChanged(Window& window, int control) {
    Update u;
    u.window = &window;
    u.flags = snapshotFlags(window);
    if (control == 0) {
        u.kind = Update::Kind::Window;
        u.windowData = std::make_shared<WindowData>(snapshotWindow(window, false));
    } else {
        u.kind = Update::Kind::Control;
        u.control = std::make_shared<ControlData>(snapshotControl(window, control));
    }
    impl_->post(std::move(u));
}

void QtBackend::controlCreated(Window& window, int control) {
    controlChanged(window, control);
}

void QtBackend::controlDestroyed(Window& window, int control) {
    Update u;
    u.kind = Update::Kind::Destroy;
    u.window = &window;
    u.number = control;
    u.flags = snapshotFlags(window);
    impl_->post(std::move(u));
}

void QtBackend::focusChanged(Window& window, int control) {
    Update u;
    u.kind = Update::Kind::Focus;
    u.window = &window;
    u.number = control;
    impl_->post(std::move(u));
}

void QtBackend::timerChanged(Window& window, int hundredths) {
    Update u;
    u.kind = Update::Kind::Timer;
    u.window = &window;
    u.number = hundredths;
    impl_->post(std::move(u));
}

int QtBackend::visibleRows(const Window& window, int control) {
    const ControlState* c = window.control(control);
    if (!c) return 0;
    DialogUnits units = dialogUnitsOf(uiFont(window.structure().font));
    QFont font = textFont(c->structure.font, window.structure().font);
    bool headers = std::any_of(c->listFormat.columns.begin(), c->listFormat.columns.end(),
                               [](const ListColumn& col) { return !col.header.empty(); });
    int height = units.y(c->structure.at.height) - 2 * kListFrameWidth;
    // Columns wider than the list bring a horizontal scroll bar, which takes a row's room.
    int columns = 0;
    for (const ListColumn& col : c->listFormat.columns)
        columns += std::max(0, units.x(col.width));
    int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int inside = units.x(c->structure.at.width) - 2 * kListFrameWidth - (c->scrollBar ? bar : 0);
    if (columns > inside) height -= bar;
    return listRowsThatFit(font, height, headers);
}

std::optional<std::pair<int, int>> QtBackend::pictureSize(const Window& window,
                                                          const std::string& file,
                                                          const std::string& bytes) {
    std::optional<std::pair<int, int>> pixels;
    if (!bytes.empty()) {
        pixels = pictureSizeFromBytes(bytes);
    } else if (auto path = findResource(file)) {
        QImageReader reader(QString::fromStdString(path->string()));
        QSize size = reader.size();
        if (size.isValid()) {
            pixels = std::pair<int, int>(size.width(), size.height());
        } else {
            QFile f(QString::fromStdString(path->string()));
            if (f.open(QIODevice::ReadOnly))
                pixels = pictureSizeFromBytes(f.read(64 * 1024).toStdString());
        }
    }
    if (!pixels) return std::nullopt;
    // In the window's own dialog units: the control at that size is the picture's pixels.
    DialogUnits units = dialogUnitsOf(uiFont(window.structure().font));
    return pixelsToDialogUnits(*pixels, units.charWidth, units.charHeight);
}

void QtBackend::showDialog(const DialogPtr& dialog) {
    Update u;
    u.kind = Update::Kind::Dialog;
    u.dialog = dialog;
    impl_->post(std::move(u));
}

void QtBackend::beep(int) {
    Update u;
    u.kind = Update::Kind::Beep;
    impl_->post(std::move(u));
}

void QtBackend::setCursor(int cursor) {
    Update u;
    u.kind = Update::Kind::Cursor;
    u.number = cursor;
    impl_->post(std::move(u));
}

void QtBackend::setProgramIcon(const std::string& name) {
    Update u;
    u.kind = Update::Kind::ProgramIcon;
    u.text = name;
    impl_->post(std::move(u));
}

void QtBackend::setClipboardText(const std::string& text) {
    Update u;
    u.kind = Update::Kind::Clipboard;
    u.text = text;
    impl_->post(std::move(u));
}

QWidget* QtBackend::windowWidget(const Window* window) const {
    WindowView* v = impl_->view(window);
    return v ? v->topLevel() : nullptr;
}

QWidget* QtBackend::clientArea(const Window* window) const {
    WindowView* v = impl_->view(window);
    return v ? v->canvas() : nullptr;
}

QWidget* QtBackend::controlWidget(const Window* window, int control) const {
    WindowView* v = impl_->view(window);
    return v ? v->controlWidget(control) : nullptr;
}

QAction* QtBackend::controlAction(const Window* window, int control) const {
    WindowView* v = impl_->view(window);
    return v ? v->controlAction(control) : nullptr;
}

void QtBackend::deliver(Window* window, Input input) {
    Window::postInputIfOpen(window, std::move(input));
}

}  // namespace rt::qt
