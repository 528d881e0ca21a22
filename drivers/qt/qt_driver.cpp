#include "drivers/qt/qt_driver.h"

#include <QAbstractItemView>
#include <QAbstractPrintDialog>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "drivers/driver.h"
#include "runtime/qt/qt_keys.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/popup_menu.h"
#include "runtime/ui/scheduler.h"

namespace rt::qt {
namespace {

using Clock = std::chrono::steady_clock;
// A program that does not wait within this hangs (a step may run a whole print run).
constexpr auto kSettleLimit = std::chrono::seconds(60);
constexpr auto kWaitLimit = std::chrono::seconds(20);  // for a window or a dialog to come
constexpr auto kFinishLimit = std::chrono::seconds(5);

QString qs(std::string_view s) {
    return QString::fromStdString(cp1252ToUtf8(std::string(s)));
}

std::string cp(const QString& s) {
    return utf8ToCp1252(s.toStdString());
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return std::string(clip(s));
}

// Texts of buttons, prompts and tabs compare without their mnemonic marks.
std::string plain(std::string_view s) {
    return trimmed(withoutMnemonic(s));
}

std::string describeWidget(const QWidget* w) {
    if (!w) return "nothing";
    std::string out = w->metaObject()->className();
    for (const QObject* o = w; o; o = o->parent()) {
        QVariant v = o->property("rtControl");
        if (v.isValid()) return out + " of control " + std::to_string(v.toInt());
    }
    return out;
}

// Windows that a step must deal with before any other: message boxes, popup menus, file and
// printer dialogs.
bool isDialog(QWidget* w) {
    return qobject_cast<QMessageBox*>(w) || qobject_cast<QMenu*>(w) ||
           qobject_cast<QFileDialog*>(w) || qobject_cast<QAbstractPrintDialog*>(w);
}

std::string describeDialog(QWidget* w) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        std::string buttons;
        for (QAbstractButton* b : box->buttons())
            buttons += (buttons.empty() ? "" : ", ") + plain(cp(b->text()));
        return "message box \"" + cp(box->windowTitle()) + "\": \"" + cp(box->text()) + "\" [" +
               buttons + "]";
    }
    if (qobject_cast<QMenu*>(w)) return "popup menu";
    return "dialog \"" + cp(w->windowTitle()) + "\"";
}

// Sends `key` to `into`, a field of `dialog`. A dialog refusing what it was given (an open
// dialog told of a file that does not exist) says so in a message box of its own, run modally
// inside the key press; that box is read and closed there, and its words answered, so the
// step fails instead of waiting in it for ever. Empty when nothing was refused.
std::string keyRefusedBy(QWidget* dialog, QWidget* into, Qt::Key key) {
    std::string refusal;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == dialog) return;
        for (QWidget* p = box->parentWidget(); p; p = p->parentWidget())
            if (p == dialog) {
                refusal = cp(box->text());
                box->reject();
                return;
            }
    });
    watch.start();
    QTest::keyClick(into, key);
    return refusal;
}

// The mouse button, double click and modifiers a click code stands for.
struct MouseClick {
    Qt::MouseButton button = Qt::LeftButton;
    bool twice = false;
    Qt::KeyboardModifiers modifiers;
};

std::optional<MouseClick> mouseClickOf(int code) {
    MouseClick m;
    switch (code & 0xFF) {
        case KEY::LeftClick:
            break;
        case KEY::RightClick:
            m.button = Qt::RightButton;
            break;
        case KEY::CenterClick:
            m.button = Qt::MiddleButton;
            break;
        case KEY::LeftDoubleClick:
            m.twice = true;
            break;
        case KEY::RightDoubleClick:
            m.button = Qt::RightButton;
            m.twice = true;
            break;
        default:
            return std::nullopt;
    }
    if (code & KEY::ShiftMask) m.modifiers |= Qt::ShiftModifier;
    if (code & KEY::CtrlMask) m.modifiers |= Qt::ControlModifier;
    if (code & KEY::AltMask) m.modifiers |= Qt::AltModifier;
    return m;
}

// The editor inside a control that takes the keys.
QWidget* editorOf(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        return combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        if (auto* edit = spin->findChild<QLineEdit*>()) return edit;
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) return text->viewport();
    return w;
}

// What an editing control shows.
QString editText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return t->toPlainText();
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) return s->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return {};
}

// The text a status zone shows, zones ordered from the left.
QString firstStatusText(QWidget* frame) {
    auto* bar = frame->findChild<QStatusBar*>();
    if (!bar || !bar->isVisible()) return {};
    std::vector<QLabel*> labels;
    for (QLabel* l : bar->findChildren<QLabel*>())
        if (l->isVisible()) labels.push_back(l);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    return labels.empty() ? QString() : labels.front()->text();
}

// The title a window shows: its title, or for a window without one its first status zone.
std::string shownTitle(QWidget* frame) {
    QString title = frame->windowTitle().trimmed();
    if (title.isEmpty()) title = firstStatusText(frame).trimmed();
    return cp(title);
}

// A row below or above what a list that scrolls itself shows is brought into view with the
// mouse wheel over the list, as a user does; false when it cannot be.
// Scrolls a list that scrolls itself until `row` stands whole in view. The program answers
// each turn of the wheel (it may move the selection, and the list follows it), so the rows
// are measured again only once it has and the list has repainted; false when the row cannot
// be brought into view.
bool bringRowIntoView(ListView* list, int row, const std::function<void()>& settle) {
    QWidget* viewport = list->viewport();
    for (int turn = 0; turn < 200; ++turn) {
        settle();
        QRect r = list->rowRect(row);
        // A row scrolled up under the header counts as above: a click there hits the header.
        bool above = row < list->firstShownRow() || r.top() < 0;
        bool below = r.bottom() > viewport->height() - 1;
        if (!above && !below) return true;
        if (!list->scrollsItself()) return false;
        QPointF at = viewport->rect().center();
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, above ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    return false;
}

}  // namespace

QtDriver::QtDriver() : backend_(std::make_unique<QtBackend>()) {}

QtDriver::~QtDriver() {
    if (started_ && !ended()) finish();
}

bool QtDriver::ended() {
    return Scheduler::instance().programEnded();
}

void QtDriver::start(std::function<void()> programMain) {
    Scheduler::instance().startProgram(*backend_, std::move(programMain));
    started_ = true;
    settle();
}

void QtDriver::settle() {
    auto deadline = Clock::now() + kSettleLimit;
    // Idle twice more after the widgets took every update: an update may post input back.
    for (int calm = 0; calm < 3;) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (Scheduler::instance().waitIdle(2)) {
            ++calm;
        } else {
            calm = 0;
        }
        if (Clock::now() > deadline)
            throw DriverError("the program did not come back to wait for input");
    }
}

Window* QtDriver::active() {
    std::lock_guard lock(Scheduler::instance().mutex());
    auto& z = Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

QWidget* QtDriver::activeFrame() {
    Window* w = active();
    return w ? backend_->windowWidget(w) : nullptr;
}

QWidget* QtDriver::dialogShowing() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && isDialog(w)) return w;
    return nullptr;
}

void QtDriver::noDialogShowing() {
    if (QWidget* d = dialogShowing()) throw DriverError("a " + describeDialog(d) + " is showing");
}

QWidget* QtDriver::waitForDialog() {
    auto deadline = Clock::now() + kWaitLimit;
    for (;;) {
        settle();
        if (QWidget* d = dialogShowing()) {
            if (!qobject_cast<QMenu*>(d)) activate(d);
            return d;
        }
        if (ended() || Clock::now() > deadline) return nullptr;
        QTest::qWait(20);
    }
}

void QtDriver::activate(QWidget* topLevel) {
    if (!topLevel || topLevel->isActiveWindow()) return;
    topLevel->activateWindow();
    (void)QTest::qWaitForWindowActive(topLevel, 2000);
}

QtDriver::Target QtDriver::target(const ControlName& name) {
    settle();
    noDialogShowing();
    Target t;
    t.window = active();
    if (!t.window) throw DriverError("no window is open");
    t.control = findControl(*t.window, name);
    t.widget = backend_->controlWidget(t.window, t.control);
    return t;
}

void QtDriver::clickWidget(QWidget* widget, QPoint at, int keyCode, const std::string& what) {
    std::optional<MouseClick> m = mouseClickOf(keyCode);
    if (!m) throw DriverError("\"" + keyName(keyCode) + "\" is no mouse click");
    if (!widget->isVisible()) throw DriverError(what + " is not shown");
    QWidget* top = widget->window();
    if (!qobject_cast<QMenu*>(top)) activate(top);
    const QPoint inTop = widget->mapTo(top, at);
    QWidget* hit = top->childAt(inTop);
    if (!hit && top == widget) hit = top;
    if (hit != widget && !widget->isAncestorOf(hit))
        throw DriverError(what + " is covered by " + describeWidget(hit) + " at its place");
    QWindow* window = top->windowHandle();
    if (!window) throw DriverError(what + " has no window on the screen");
    if (m->twice) {
        QTest::mouseDClick(window, m->button, m->modifiers, inTop);
    } else {
        QTest::mouseClick(window, m->button, m->modifiers, inTop);
    }
    settle();
}

void QtDriver::waitWindow(std::string_view title) {
    const std::string want = trimmed(title);
    std::string lastSeen = "(no window)";
    auto deadline = Clock::now() + kWaitLimit;
    for (;;) {
        settle();
        if (QWidget* d = dialogShowing())
            throw DriverError("a " + describeDialog(d) + " is showing, not window \"" + want +
                              "\"");
        if (QWidget* frame = activeFrame(); frame && frame->isVisible()) {
            std::string seen = shownTitle(frame);
            lastSeen = "\"" + seen + "\"";
            if (seen == want) {
                activate(frame);
                if (pictures_) pictures_->save(*frame, active()->structure(), seen);
                return;
            }
        }
        if (ended()) throw DriverError("the program has ended; last window: " + lastSeen);
        if (Clock::now() > deadline)
            throw DriverError("window \"" + want + "\" did not come; the active window shows " +
                              lastSeen);
        QTest::qWait(20);
    }
}

void QtDriver::press(const ControlName& name) {
    Target t = target(name);
    const ControlState* c = t.window->control(t.control);
    const ControlKind kind = c->structure.kind;
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::Item:
        case ControlKind::Tab:
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Region:
            break;
        default:
            throw DriverError(name.describe() + " is a " + controlKindName(kind) +
                              ", which cannot be pressed");
    }
    if (kind == ControlKind::Item) {
        // The menu bar's title, then each menu down to the item, as a user opens them.
        std::vector<int> chain;
        for (int n = t.control; n && t.window->hasControl(n);
             n = t.window->control(n)->structure.parent)
            chain.insert(chain.begin(), n);
        QWidget* frame = backend_->windowWidget(t.window);
        auto* bar = frame ? frame->findChild<QMenuBar*>() : nullptr;
        if (!bar) throw DriverError(name.describe() + " stands in no menu bar");
        QWidget* in = bar;
        for (int n : chain) {
            QAction* a = backend_->controlAction(t.window, n);
            if (!a) throw DriverError("menu entry " + std::to_string(n) + " has no action");
            QRect r =
                in == bar ? bar->actionGeometry(a) : static_cast<QMenu*>(in)->actionGeometry(a);
            if (r.isEmpty() || !a->isVisible())
                throw DriverError(name.describe() + " is not shown in its menu");
            if (!a->isEnabled()) throw DriverError(name.describe() + " is disabled");
            // The item may close the window, and its action with it.
            QPointer<QMenu> sub = a->menu<QMenu*>();
            clickWidget(in, r.center(), KEY::LeftClick, name.describe());
            if (sub) {
                (void)QTest::qWaitFor([sub] { return !sub || sub->isVisible(); }, 2000);
                if (!sub) throw DriverError("the menu of " + name.describe() + " went away");
                in = sub;
            }
        }
        return;
    }
    if (kind == ControlKind::Tab) {
        auto* tabs =
            qobject_cast<QTabWidget*>(backend_->controlWidget(t.window, c->structure.parent));
        if (!tabs) throw DriverError(name.describe() + " has no sheet on the screen");
        QVariantList numbers = tabs->property("rtTabs").toList();
        int index = static_cast<int>(numbers.indexOf(QVariant(t.control)));
        if (index < 0 || !tabs->tabBar()->isTabVisible(index))
            throw DriverError(name.describe() + " is not shown on its sheet");
        // A tab scrolled out of the bar is brought in with the bar's arrows, as a user does.
        QTabBar* bar = tabs->tabBar();
        for (int step = 0; step < 50; ++step) {
            QRect r = bar->tabRect(index);
            bool before = r.left() < 0;
            bool after = r.right() > bar->width() - 1 - 2 * bar->height();
            if (!before && !after) break;
            auto* arrow =
                bar->findChild<QToolButton*>(before ? "ScrollLeftButton" : "ScrollRightButton");
            if (!arrow || !arrow->isVisible() || !arrow->isEnabled()) break;
            clickWidget(arrow, arrow->rect().center(), KEY::LeftClick, "the sheet's arrow");
        }
        clickWidget(bar, bar->tabRect(index).center(), KEY::LeftClick, name.describe());
        return;
    }
    if (!t.widget) throw DriverError(name.describe() + " has no widget");
    if (!t.widget->isVisible()) throw DriverError(name.describe() + " is hidden");
    if (!t.widget->isEnabled()) throw DriverError(name.describe() + " is disabled");
    clickWidget(t.widget, t.widget->rect().center(), KEY::LeftClick, name.describe());
}

QWidget* QtDriver::typingTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    if (QWidget* frame = activeFrame()) return frame->focusWidget() ? frame->focusWidget() : frame;
    return nullptr;
}

void QtDriver::typeText(QWidget* into, const QString& text) {
    for (QChar ch : text) {
        // Letters and digits as their keys, other characters as what they type.
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers mods;
        if (ch.isLetterOrNumber() && ch.unicode() < 128) {
            key = static_cast<Qt::Key>(ch.toUpper().unicode());
            if (ch.isUpper()) mods |= Qt::ShiftModifier;
        } else if (ch == ' ') {
            key = Qt::Key_Space;
        }
        QTest::sendKeyEvent(QTest::Press, into, key, QString(ch), mods);
        QTest::sendKeyEvent(QTest::Release, into, key, QString(ch), mods);
    }
}

void QtDriver::type(const ControlName& name, std::string_view text) {
    Target t = target(name);
    const ControlState* c = t.window->control(t.control);
    switch (c->structure.kind) {
        case ControlKind::Entry:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::Text:
            break;
        default:
            throw DriverError(name.describe() + " is a " + controlKindName(c->structure.kind) +
                              ", which takes no typing");
    }
    if (!t.widget || !t.widget->isVisible()) throw DriverError(name.describe() + " is hidden");
    if (!t.widget->isEnabled()) throw DriverError(name.describe() + " is disabled");
    if (c->structure.readOnly) throw DriverError(name.describe() + " is read-only");
    QWidget* editor = editorOf(t.widget);
    clickWidget(editor, editor->rect().center(), KEY::LeftClick, name.describe());
    QWidget* into = typingTarget();
    if (!into) throw DriverError("no widget takes the keys typed into " + name.describe());
    // A field that shows text is selected first, so that the typing replaces it.
    if (!editText(t.widget).trimmed().isEmpty()) {
        QTest::keyClick(into, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    typeText(into, qs(text));
    // The step types and accepts, as on the models: the user leaves the field with Tab.
    QTest::keyClick(into, Qt::Key_Tab);
    settle();
}

void QtDriver::choose(const ControlName& name, int row) {
    Target t = target(name);
    const ControlState* c = t.window->control(t.control);
    if (!t.widget || !t.widget->isVisible() || !t.widget->isEnabled())
        throw DriverError(name.describe() + " is hidden or disabled");
    if (auto* list = dynamic_cast<ListView*>(t.widget)) {
        if (row < 1 || row > list->rowCount())
            throw DriverError(name.describe() + " shows " + std::to_string(list->rowCount()) +
                              " rows, not row " + std::to_string(row));
        bringRowIntoView(list, row, [this] { settle(); });
        clickWidget(list->viewport(), list->rowRect(row).center(), KEY::LeftClick,
                    "row " + std::to_string(row) + " of " + name.describe());
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(t.widget);
    if (!combo)
        throw DriverError(name.describe() + " is a " + controlKindName(c->structure.kind) +
                          ", which has no rows");
    if (row < 1 || row > combo->count())
        throw DriverError(name.describe() + " has " + std::to_string(combo->count()) +
                          " rows, not row " + std::to_string(row));
    // The arrow opens the list, then the row is clicked in it.
    clickWidget(combo, QPoint(combo->width() - 6, combo->height() / 2), KEY::LeftClick,
                name.describe());
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 2000))
        throw DriverError("the list of " + name.describe() + " did not open");
    QModelIndex index = combo->model()->index(row - 1, combo->modelColumn());
    view->scrollTo(index);
    // The row is clicked in its visible part (it may be wider than the list), once the list
    // has rolled open over it.
    QWidget* viewport = view->viewport();
    auto rowPoint = [&] {
        QRect r = view->visualRect(index);
        return QPoint(std::min(r.center().x(), r.left() + viewport->width() / 2), r.center().y());
    };
    (void)QTest::qWaitFor(
        [&] {
            QWidget* top = viewport->window();
            QWidget* hit = top->childAt(viewport->mapTo(top, rowPoint()));
            return hit == viewport || viewport->isAncestorOf(hit);
        },
        2000);
    clickWidget(viewport, rowPoint(), KEY::LeftClick,
                "row " + std::to_string(row) + " of " + name.describe());
}

void QtDriver::key(std::string_view name) {
    settle();
    noDialogShowing();
    int code = keyFromName(name);
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    if (code == 0 || !qtKeyOf(code, key, mods))
        throw DriverError("unknown key \"" + std::string(name) + "\"");
    if (QWidget* frame = activeFrame()) activate(frame);
    QWidget* into = typingTarget();
    if (!into) throw DriverError("no window takes keys");
    QTest::keyClick(into, key, mods);
    settle();
}

void QtDriver::click(const ControlName& name, int row, std::string_view keyName) {
    int code = keyFromName(keyName);
    if (code == 0) throw DriverError("unknown click \"" + std::string(keyName) + "\"");
    if (name.by == ControlName::By::Number && name.number == 0) {
        settle();
        noDialogShowing();
        Window* w = active();
        QWidget* canvas = w ? backend_->clientArea(w) : nullptr;
        if (!canvas) throw DriverError("no window is open");
        // A place of the client area where no control stands.
        for (int y = 2; y < canvas->height(); y += 4)
            for (int x = 2; x < canvas->width(); x += 4)
                if (!canvas->childAt(QPoint(x, y))) {
                    clickWidget(canvas, QPoint(x, y), code, "the window");
                    return;
                }
        throw DriverError("the window has no free place to click");
    }
    Target t = target(name);
    if (!t.widget) throw DriverError(name.describe() + " has no widget");
    if (auto* list = dynamic_cast<ListView*>(t.widget); list && row >= 1) {
        if (row > list->rowCount())
            throw DriverError(name.describe() + " shows " + std::to_string(list->rowCount()) +
                              " rows, not row " + std::to_string(row));
        bringRowIntoView(list, row, [this] { settle(); });
        clickWidget(list->viewport(), list->rowRect(row).center(), code,
                    "row " + std::to_string(row) + " of " + name.describe());
        return;
    }
    clickWidget(t.widget, t.widget->rect().center(), code, name.describe());
}

void QtDriver::clickAt(const ControlName& name, int x, int y, std::string_view keyName) {
    int code = keyFromName(keyName);
    if (code == 0) throw DriverError("unknown click \"" + std::string(keyName) + "\"");
    Target t = target(name);
    if (t.window->kind(t.control) != ControlKind::Region)
        throw DriverError(name.describe() + " is no region to click at a position");
    QWidget* canvas = backend_->clientArea(t.window);
    if (!t.widget || !canvas) throw DriverError(name.describe() + " has no widget");
    DialogUnits units = dialogUnitsOf(uiFont(t.window->structure().font));
    QPoint inCanvas(units.x(x), units.y(y));
    clickWidget(t.widget, t.widget->mapFrom(canvas, inCanvas), code, name.describe());
}

void QtDriver::thumb(const ControlName& name, int position) {
    Target t = target(name);
    auto* list = dynamic_cast<ListView*>(t.widget);
    if (!list) throw DriverError(name.describe() + " is not a list");
    QScrollBar* bar = list->verticalScrollBar();
    if (!bar->isVisible()) throw DriverError(name.describe() + " shows no scroll bar");
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    QRect handle =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
    QRect groove =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
    // The handle is dragged to where the style draws it for that position; a thumb has no
    // finer steps than its pixels, so the position comes out within a step of the one asked.
    const int span = groove.height() - handle.height();
    const int toTop =
        groove.top() +
        QStyle::sliderPositionFromValue(bar->minimum(), bar->maximum(),
                                        std::clamp(position, bar->minimum(), bar->maximum()), span);
    QWidget* top = bar->window();
    activate(top);
    QWindow* window = top->windowHandle();
    QPoint from = bar->mapTo(top, handle.center());
    QPoint to = from + QPoint(0, toTop - handle.top());
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    settle();
}

void QtDriver::answer(std::string_view choice) {
    QWidget* d = waitForDialog();
    if (!d) throw DriverError("no dialog is showing to answer");
    const std::string want = plain(choice);
    if (auto* box = qobject_cast<QMessageBox*>(d)) {
        for (QAbstractButton* b : box->buttons())
            if (equalNoCaseAscii(plain(cp(b->text())), want)) {
                clickWidget(b, b->rect().center(), KEY::LeftClick, "button \"" + want + "\"");
                return;
            }
        throw DriverError("the " + describeDialog(d) + " has no button \"" + want + "\"");
    }
    if (auto* menu = qobject_cast<QMenu*>(d)) {
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && plain(cp(a->text())) == want) {
                if (!a->isEnabled()) throw DriverError("popup item \"" + want + "\" is greyed");
                clickWidget(menu, menu->actionGeometry(a).center(), KEY::LeftClick,
                            "popup item \"" + want + "\"");
                return;
            }
        throw DriverError("the popup menu has no item \"" + want + "\"");
    }
    if (auto* files = qobject_cast<QFileDialog*>(d)) {
        auto* edit = files->findChild<QLineEdit*>("fileNameEdit");
        if (!edit) throw DriverError("the file dialog has no file name field");
        // A relative name means what it means on the window models, a file from the working
        // folder, whichever folder the dialog shows. A folder first (typed and entered, the
        // dialog goes there), then the file's name. The name is the file system's own
        // (UTF-8), as the dialog answers it.
        const auto fs = [](std::string_view name) {
            return QString::fromStdString(std::string(name));
        };
        std::string path(choice);
        if (!path.empty() && QDir::isRelativePath(fs(path)))
            path = QDir::cleanPath(QDir::current().absoluteFilePath(fs(path))).toStdString();
        const std::size_t slash = path.rfind('/');
        std::vector<std::string> parts;
        if (slash != std::string::npos && slash > 0) parts.push_back(path.substr(0, slash + 1));
        parts.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
        for (const std::string& part : parts) {
            clickWidget(edit, edit->rect().center(), KEY::LeftClick, "the file name field");
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            typeText(edit, fs(part));
            const std::string refusal = keyRefusedBy(files, edit, Qt::Key_Return);
            if (!refusal.empty())
                throw DriverError("the file dialog refused \"" + path + "\": " + refusal);
            settle();
        }
        if (dialogShowing() == files)
            throw DriverError("the file dialog took no \"" + path + "\": it shows " +
                              cp(files->directory().absolutePath()) + ", file \"" +
                              cp(edit->text()) + "\"");
        return;
    }
    // The printer dialog: its accepting button, or its cancelling one.
    auto* buttons = d->findChild<QDialogButtonBox*>();
    if (!buttons) throw DriverError("the " + describeDialog(d) + " has no buttons");
    const bool ok = equalNoCaseAscii(want, "OK") || equalNoCaseAscii(want, "Print");
    for (QAbstractButton* b : buttons->buttons()) {
        auto role = buttons->buttonRole(b);
        if ((ok && role == QDialogButtonBox::AcceptRole) ||
            (!ok && role == QDialogButtonBox::RejectRole)) {
            clickWidget(b, b->rect().center(), KEY::LeftClick, "button \"" + want + "\"");
            return;
        }
    }
    throw DriverError("the " + describeDialog(d) + " has no button \"" + want + "\"");
}

void QtDriver::cancel() {
    QWidget* d = waitForDialog();
    if (!d) throw DriverError("no dialog is showing to cancel");
    if (auto* box = qobject_cast<QMessageBox*>(d)) {
        QAbstractButton* b = box->button(QMessageBox::Cancel);
        if (!b) b = box->defaultButton();
        if (!b && !box->buttons().isEmpty()) b = box->buttons().front();
        if (!b) throw DriverError("the message box has no button");
        clickWidget(b, b->rect().center(), KEY::LeftClick, "the message box's button");
        return;
    }
    QTest::keyClick(d, Qt::Key_Escape);
    settle();
}

void QtDriver::expectMessage(std::string_view text) {
    QWidget* d = waitForDialog();
    auto* box = qobject_cast<QMessageBox*>(d);
    if (!box)
        throw DriverError(d ? "showing instead: " + describeDialog(d)
                            : "no message box is showing");
    if (trimmed(cp(box->text())) != trimmed(text))
        throw DriverError("showing instead: " + describeDialog(d));
}

std::string QtDriver::text(const ControlName& name) {
    Target t = target(name);
    const ControlState* c = t.window->control(t.control);
    QWidget* w = t.widget;
    switch (c->structure.kind) {
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::DropList:
            if (!w) throw DriverError(name.describe() + " has no widget");
            return cp(editText(w));
        case ControlKind::Check:
            if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->isChecked() ? "1" : "0";
            break;
        case ControlKind::Option: {
            // The text of the radio that is on.
            int index = 0;
            for (int n : t.window->controlNumbers()) {
                const ControlState* r = t.window->control(n);
                if (r->structure.kind != ControlKind::Radio || r->structure.parent != t.control)
                    continue;
                ++index;
                auto* radio = qobject_cast<QAbstractButton*>(backend_->controlWidget(t.window, n));
                if (radio && radio->isChecked())
                    return c->binding ? plain(cp(radio->text())) : std::to_string(index);
            }
            return c->binding ? "" : "0";
        }
        case ControlKind::List:
            if (auto* list = dynamic_cast<ListView*>(w)) {
                std::string out;
                for (const std::string& col : list->rowTexts(c->selectedRow))
                    out += (out.empty() ? "" : " | ") + trimmed(col);
                return out;
            }
            break;
        case ControlKind::Progress:
            if (auto* p = qobject_cast<QProgressBar*>(w)) return std::to_string(p->value());
            break;
        case ControlKind::Sheet:
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                return std::to_string(tabs->currentIndex() + 1);
            break;
        case ControlKind::String:
        case ControlKind::Prompt:
            if (auto* l = qobject_cast<QLabel*>(w)) return cp(l->text());
            break;
        case ControlKind::Button:
        case ControlKind::Radio:
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                // A picture button names itself by its structure's text.
                if (b->text().isEmpty() && !b->icon().isNull()) return c->structure.text;
                return cp(b->text());
            }
            break;
        case ControlKind::Group:
            if (auto* g = qobject_cast<QGroupBox*>(w)) return cp(g->title());
            break;
        default:
            break;
    }
    if (c->structure.kind == ControlKind::Tab || c->structure.kind == ControlKind::Item ||
        c->structure.kind == ControlKind::Menu)
        return c->structure.text;
    if (c->structure.kind == ControlKind::Image)
        return c->structure.icon.empty() ? (c->imageBytes.empty() ? "" : "(picture from memory)")
                                         : c->structure.icon;
    if (!w) throw DriverError(name.describe() + " has no widget");
    return c->structure.text;
}

void QtDriver::expectText(const ControlName& name, std::string_view text) {
    std::string actual = this->text(name);
    if (plain(actual) != plain(text) && trimmed(actual) != trimmed(text))
        throw DriverError(name.describe() + " shows \"" + trimmed(actual) + "\", not \"" +
                          trimmed(text) + "\"");
}

void QtDriver::expectRow(const ControlName& name, int row, std::string_view text) {
    Target t = target(name);
    auto* list = dynamic_cast<ListView*>(t.widget);
    if (!list) throw DriverError(name.describe() + " is not a list");
    if (row < 1 || row > list->rowCount())
        throw DriverError(name.describe() + " shows " + std::to_string(list->rowCount()) +
                          " rows, not row " + std::to_string(row));
    std::string actual;
    for (const std::string& col : list->rowTexts(row))
        actual += (actual.empty() ? "" : " | ") + trimmed(col);
    const std::string what = "row " + std::to_string(row) + " of " + name.describe();
    if (clip(actual) != clip(text))
        throw DriverError(what + " is \"" + actual + "\", not \"" + std::string(clip(text)) + "\"");
    // On the screen: shown, inside the list's visible part, and the list is what stands there.
    if (!list->isVisible()) throw DriverError(what + ": the list is not shown");
    bringRowIntoView(list, row, [this] { settle(); });
    QWidget* viewport = list->viewport();
    QRect r = list->rowRect(row);
    if (!viewport->rect().contains(QPoint(r.left() + 1, r.bottom())))
        throw DriverError(what + " lies outside the list's visible part");
    QWidget* top = list->window();
    QWidget* hit = top->childAt(viewport->mapTo(top, r.center()));
    if (hit != list && !list->isAncestorOf(hit))
        throw DriverError(what + " is hidden under " + describeWidget(hit));
}

void QtDriver::expectRowCount(const ControlName& name, int count) {
    Target t = target(name);
    auto* list = dynamic_cast<ListView*>(t.widget);
    if (!list) throw DriverError(name.describe() + " is not a list");
    if (list->rowCount() != count)
        throw DriverError(name.describe() + " shows " + std::to_string(list->rowCount()) +
                          " rows, not " + std::to_string(count));
}

void QtDriver::close() {
    settle();
    noDialogShowing();
    QWidget* frame = activeFrame();
    if (!frame) throw DriverError("no window is open");
    frame->close();  // what the title bar's close button does
    settle();
}

void QtDriver::timer() {
    settle();
    QWidget* frame = activeFrame();
    QTimer* running = nullptr;
    if (frame)
        for (QTimer* t : frame->findChildren<QTimer*>())
            if (t->isActive() && (!running || t->interval() < running->interval())) running = t;
    if (!running) throw DriverError("no window has a timer");
    bool fired = false;
    auto connection = QObject::connect(running, &QTimer::timeout, [&fired] { fired = true; });
    bool ok = QTest::qWaitFor([&] { return fired; }, running->interval() + 2000);
    QObject::disconnect(connection);
    if (!ok) throw DriverError("the window's timer did not run out");
    settle();
}

std::string QtDriver::dump() {
    settle();
    std::ostringstream out;
    if (QWidget* d = dialogShowing()) out << "showing: " << describeDialog(d) << "\n";
    Window* w = active();
    QWidget* frame = w ? backend_->windowWidget(w) : nullptr;
    if (!w || !frame) {
        out << "no window is open\n";
        return out.str();
    }
    out << "window shows \"" << shownTitle(frame) << "\" (model title \"" << w->title()
        << "\"), focus " << describeWidget(QApplication::focusWidget()) << "\n";
    for (int n : w->controlNumbers()) {
        const ControlState* c = w->control(n);
        out << "  " << n << " " << controlKindName(c->structure.kind);
        if (c->binding && !c->binding->name().empty()) out << " " << c->binding->name();
        QWidget* widget = backend_->controlWidget(w, n);
        if (widget) {
            QRect g = widget->geometry();
            out << " " << widget->metaObject()->className() << " at " << g.x() << "," << g.y()
                << " " << g.width() << "x" << g.height();
            if (QString shown = editText(widget); !shown.isEmpty())
                out << " \"" << trimmed(cp(shown)) << "\"";
            if (!widget->isVisible()) out << " hidden";
            if (!widget->isEnabled()) out << " disabled";
            if (auto* list = dynamic_cast<ListView*>(widget))
                for (int r = 1; r <= list->rowCount(); ++r) {
                    std::string line;
                    for (const std::string& col : list->rowTexts(r))
                        line += (line.empty() ? "" : " | ") + trimmed(col);
                    out << "\n    " << r << ": " << line;
                }
        }
        out << "\n";
    }
    return out.str();
}

bool QtDriver::finish() {
    if (!started_) return true;
    auto deadline = Clock::now() + kFinishLimit;
    std::map<std::string, int> asked;  // a message box coming back gets its other buttons
    while (!ended() && Clock::now() < deadline) {
        try {
            settle();
        } catch (const DriverError&) {
            break;
        }
        if (ended()) break;
        if (QWidget* d = dialogShowing()) {
            if (auto* box = qobject_cast<QMessageBox*>(d)) {
                QList<QAbstractButton*> buttons = box->buttons();
                int times = asked[cp(box->text())]++;
                QAbstractButton* b = box->defaultButton();
                if (times > 0 || !b)
                    b = buttons.isEmpty() ? nullptr : buttons[times % buttons.size()];
                if (b) {
                    b->click();
                } else {
                    box->reject();
                }
            } else if (auto* dialog = qobject_cast<QDialog*>(d)) {
                dialog->reject();
            } else {
                d->close();
            }
            continue;
        }
        if (QWidget* frame = activeFrame()) {
            frame->close();
        } else if (!active()) {
            break;
        }
        QTest::qWait(10);
    }
    bool done = false;
    for (int round = 0; round < 200 && !done; ++round) {
        done = Scheduler::instance().waitEnded(ended() ? 20 : 1);
        QCoreApplication::processEvents();
    }
    // Updates the last procedure posted (windows closing) are let through.
    QCoreApplication::processEvents();
    started_ = !done;
    // Threads that did not end may still call the backend: it is kept for them.
    if (!done) (void)backend_.release();
    return done;
}

ScenarioResult runQtScenario(std::istream& script, std::function<void()> programMain,
                             std::string_view name, WindowPictures* pictures) {
    QtDriver driver;
    driver.saveWindowsTo(pictures);
    return runScenarioWith(driver, script, std::move(programMain), name);
}

}  // namespace rt::qt
