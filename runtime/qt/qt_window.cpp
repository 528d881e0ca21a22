// The frame of a window view: top-level widget, client area, menu bar, tool bar, status
// bar, timer, and the keys and mouse clicks that belong to the window as a whole.
#include "runtime/qt/qt_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "runtime/qt/qt_keys.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/qt/qt_window_parts.h"
#include "runtime/text/codepage.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/keys.h"

namespace rt::qt {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}

QColor colourOf(int rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int mouseKey(const QMouseEvent& e, bool twice) {
    if (e.button() == Qt::RightButton) return twice ? KEY::RightDoubleClick : KEY::RightClick;
    if (e.button() == Qt::MiddleButton) return KEY::CenterClick;
    return twice ? KEY::LeftDoubleClick : KEY::LeftClick;
}

Qt::WindowFlags flagsFor(const WindowStructure& structure) {
    Qt::WindowFlags f = Qt::Window;
    if (structure.frame == FrameKind::None) return f | Qt::FramelessWindowHint;
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (structure.systemMenu) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (structure.maximizeBox) f |= Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
    return f;
}

bool resizable(const WindowStructure& structure) {
    return structure.resizable || structure.frame == FrameKind::Resizable;
}

}  // namespace

QString shownTitle(const std::string& title) {
    QString text = qs(title);
    return text.trimmed().isEmpty() ? QStringLiteral(" ") : text;
}

// ---------------------------------------------------------------- frame and canvas

WindowFrame::WindowFrame(WindowView& view, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), view_(view) {}

void WindowFrame::closeEvent(QCloseEvent* event) {
    // The procedure decides: a close from the title bar is a request.
    event->ignore();
    Input in;
    in.kind = Input::Kind::Close;
    view_.send(in);
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!resizable(view_.windowData().structure)) return;
    // The client area follows the frame through the layout.
    layout()->activate();
    QWidget* client = view_.canvas();
    Input in;
    in.kind = Input::Kind::Resize;
    in.number = view_.units().duX(client->width());
    in.number2 = view_.units().duY(client->height());
    // Our own sizing (from the model) comes back here too: only a new size is news.
    const Rect& at = view_.windowData().structure.at;
    if (in.number == at.width && in.number2 == at.height) return;
    view_.send(in);
}

void WindowFrame::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isVisible()) return;
    // A window the user dragged tells the model its new place. Our own placing comes back
    // here too (a centred window in the middle of the screen, a placed one where the model
    // has it): only a new place is news.
    const WindowStructure& structure = view_.windowData().structure;
    if (structure.centered && view_.centredPlace() == pos()) return;
    Input in;
    in.kind = Input::Kind::Move;
    in.number = view_.units().duX(x());
    in.number2 = view_.units().duY(y());
    if (!structure.centered && in.number == structure.at.x && in.number2 == structure.at.y) return;
    view_.send(in);
}

WindowCanvas::WindowCanvas(WindowView& view, QWidget* parent) : QWidget(parent), view_(view) {}

void WindowCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const WindowStructure& structure = view_.windowData().structure;
    QColor back = structure.background == kDefaultColor ? palette().color(QPalette::Window)
                                                        : colourOf(structure.background);
    p.fillRect(rect(), back);
    const QImage& paper = view_.wallpaper();
    if (paper.isNull()) return;
    if (structure.wallpaper.tiled) {
        p.drawTiledPixmap(rect(), QPixmap::fromImage(paper));
    } else if (structure.wallpaper.centered) {
        p.drawImage((width() - paper.width()) / 2, (height() - paper.height()) / 2, paper);
    } else {
        p.drawImage(0, 0, paper);
    }
}

void WindowCanvas::mousePressEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.key = mouseKey(*event, false);
    view_.send(in);
}

void WindowCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.key = mouseKey(*event, true);
    view_.send(in);
}

// ---------------------------------------------------------------- keys

KeyFilter::KeyFilter(WindowView& view, QObject* parent) : QObject(parent), view_(view) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // A button's letter presses it at once, so the keys typed behind it wait for what it
        // opens. A letter that several buttons share presses the first of them.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button) return false;
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        QAbstractButton* pressed =
            shortcut->isAmbiguous() ? view_.firstButtonWith(shortcut->key()) : button;
        if (!pressed || !pressed->isEnabled()) return false;
        pressed->click();
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        int control = view_.controlOf(watched);
        if (control) view_.commitEdit(control);
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        auto* focus = static_cast<QFocusEvent*>(event);
        view_.showDefaultButton();
        // A button with the keyboard shows its focus mark, however the keyboard came to it
        // (a called window closing gives it back).
        if (qobject_cast<QPushButton*>(watched) && focus->reason() != Qt::MouseFocusReason)
            view_.topLevel()->setAttribute(Qt::WA_KeyboardFocusChange);
        int control = view_.controlOf(watched);
        const ControlData* d = view_.data(control);
        // Focus the user moved (Tab, a click) is news to the model; focus the model set is not.
        if (d && d->structure.kind != ControlKind::List &&
            (focus->reason() == Qt::TabFocusReason || focus->reason() == Qt::BacktabFocusReason ||
             focus->reason() == Qt::MouseFocusReason ||
             focus->reason() == Qt::ShortcutFocusReason)) {
            Input in;
            in.kind = Input::Kind::Focus;
            in.control = control;
            const bool tabbed =
                focus->reason() == Qt::TabFocusReason || focus->reason() == Qt::BacktabFocusReason;
            in.at = tabbed && tabAt_ != std::chrono::steady_clock::time_point{}
                        ? tabAt_
                        : std::chrono::steady_clock::now();
            tabAt_ = {};
            view_.send(in);
        }
        return false;
    }
    // A key forwarded here is consumed, so it never travels on to a parent's filter.
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    KeyPress k = keyPressOf(*key);
    // Taken before a field's text goes to the model: whatever the program selects in answer
    // comes after this Tab.
    tabAt_ = (k.code & 0xFF) == KEY::Tab ? std::chrono::steady_clock::now()
                                         : std::chrono::steady_clock::time_point{};
    if (k.code == 0) return false;
    int control = view_.controlOf(watched);
    const ControlData* d = view_.data(control);
    if (d && d->structure.kind == ControlKind::List) return false;  // the list sends its own keys
    int base = k.code & 0xFF;
    if (base == KEY::Tab) {
        if (control) view_.commitEdit(control);
        return false;  // Qt moves the focus; the model hears of it through FocusIn
    }
    // Delete and Backspace in a field edit its text; the button they are the key of is
    // pressed from a list or the buttons only.
    const bool buttonKey =
        view_.isButtonKey(k.code) && !(d && editsText(d->structure.kind, k.code));
    const auto& windowKeys = view_.windowData().structure.alertKeys;
    bool alert = std::find(windowKeys.begin(), windowKeys.end(), k.code) != windowKeys.end() ||
                 (d && std::find(d->structure.alertKeys.begin(), d->structure.alertKeys.end(),
                                 k.code) != d->structure.alertKeys.end());
    // A plain Enter in a text box is a new line, which the text box makes itself.
    if (d && d->structure.kind == ControlKind::Text && k.code == KEY::Enter && !alert && !buttonKey)
        return false;
    bool forward = alert || buttonKey || base == KEY::Enter || base == KEY::Esc ||
                   (base >= KEY::F1 && base <= KEY::F12) || (k.code & KEY::AltMask);
    if (!forward) return false;
    if (control) view_.commitEdit(control);
    Input in;
    in.kind = Input::Kind::Key;
    in.control = control;
    in.key = k.code;
    in.character = k.character;
    view_.send(in);
    return true;
}

// ---------------------------------------------------------------- the view

WindowView::WindowView(const WindowData& data, Send send, QWidget* modalParent)
    : send_(std::move(send)), window_(data) {
    window_.controls.clear();
    units_ = dialogUnitsOf(uiFont(window_.structure.font));
    Qt::WindowFlags flags = flagsFor(window_.structure);
    // A called window is a dialog of its caller's: the window manager keeps it above the
    // caller, so a click on the caller cannot hide the window that holds the input.
    if (modalParent) flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
    frame_ = new WindowFrame(*this, modalParent, flags);
    if (modalParent) frame_->setWindowModality(Qt::WindowModal);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    frame_->setFont(textFont(window_.structure.font));
    keys_ = new KeyFilter(*this, frame_);
    frame_->installEventFilter(keys_);
    layout_ = new QVBoxLayout(frame_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    bool hasToolbar = window_.structure.toolbar.height > 0 ||
                      std::any_of(data.controls.begin(), data.controls.end(),
                                  [](const ControlData& c) { return c.structure.toolbar; });
    if (hasToolbar) {
        toolbar_ = new QWidget(frame_);
        toolbar_->setAutoFillBackground(true);
        layout_->addWidget(toolbar_);
    }
    canvas_ = new WindowCanvas(*this, frame_);
    canvas_->installEventFilter(keys_);
    layout_->addWidget(canvas_, 1);
    if (!window_.structure.statusZones.empty()) makeStatusBar(window_.structure.statusZones);
    timer_ = new QTimer(frame_);
    // On time to the millisecond: work paced by the timer goes on as soon as it is due, and
    // the timer event waits only for what the window system has queued before it.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, frame_, [this] {
        Input in;
        in.kind = Input::Kind::Timer;
        this->send(in);
    });
    for (const ControlData& c : data.controls)
        updateControl(c);
    linked_ = true;
    linkPrompts();
    updateWindow(data);
}

WindowView::~WindowView() {
    if (frame_) {
        frame_->hide();
        delete frame_.data();
    }
}

QWidget* WindowView::topLevel() const {
    return frame_;
}
QWidget* WindowView::canvas() const {
    return canvas_;
}
QWidget* WindowView::toolbar() const {
    return toolbar_;
}
QStatusBar* WindowView::statusBar() const {
    return statusBar_;
}

QWidget* WindowView::controlWidget(int control) const {
    auto it = items_.find(control);
    return it == items_.end() ? nullptr : it->second.widget.data();
}

QAction* WindowView::controlAction(int control) const {
    auto it = items_.find(control);
    return it == items_.end() ? nullptr : it->second.action.data();
}

const ControlData* WindowView::data(int control) const {
    auto it = items_.find(control);
    return it == items_.end() ? nullptr : &it->second.data;
}

int WindowView::controlOf(const QObject* object) const {
    for (; object; object = object->parent()) {
        QVariant v = object->property("rtControl");
        if (v.isValid()) return v.toInt();
        if (object == frame_) return 0;
    }
    return 0;
}

bool WindowView::isButtonKey(int code) const {
    for (const auto& [number, item] : items_)
        if (item.data.structure.key == code && (item.data.structure.kind == ControlKind::Button ||
                                                item.data.structure.kind == ControlKind::Item))
            return true;
    return false;
}

bool WindowView::drawnAsDefault(const QPushButton& button) const {
    const auto* focused = qobject_cast<const QPushButton*>(frame_->focusWidget());
    if (focused && focused->isVisible()) return &button == focused;
    const int control = controlOf(&button);
    const ControlData* d = data(control);
    return d && d->structure.isDefault;
}

void WindowView::showDefaultButton() {
    for (const auto& [number, item] : items_)
        if (auto* push = qobject_cast<QPushButton*>(item.widget.data()))
            push->setDefault(drawnAsDefault(*push));
}

QAbstractButton* WindowView::firstButtonWith(const QKeySequence& letter) const {
    QAbstractButton* first = nullptr;
    for (int number : order_) {
        const Item& item = items_.at(number);
        QWidget* w = item.widget;
        if (!w || !w->isVisibleTo(frame_) || !w->isEnabled()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!first && button->shortcut() == letter) first = button;
            continue;
        }
        // A prompt or a tab with that letter too: the letter moves the focus among them all.
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->buddy() && QKeySequence::mnemonic(label->text()) == letter)
            return nullptr;
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                if (QKeySequence::mnemonic(tabs->tabText(i)) == letter) return nullptr;
    }
    return first;
}

void WindowView::show() {
    if (shown_) return;
    shown_ = true;
    refreshWindowGeometry();
    if (window_.structure.maximized)
        frame_->showMaximized();
    else
        frame_->show();
    if (window_.focus) focusControl(window_.focus);
}

void WindowView::makeStatusBar(const std::vector<int>& zones) {
    statusBar_ = new QStatusBar(frame_);
    statusBar_->setSizeGripEnabled(resizable(window_.structure));
    for (int width : zones) {
        auto* label = new QLabel(statusBar_);
        if (width > 0) {
            label->setMinimumWidth(units_.x(width));
            statusBar_->addWidget(label);
        } else {
            statusBar_->addWidget(label, 1);
        }
        statusZones_.push_back(label);
    }
    layout_->addWidget(statusBar_);
}

QMenuBar* WindowView::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(frame_);
        menuBar_->setNativeMenuBar(false);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void WindowView::updateWindow(const WindowData& data) {
    bool fresh = !loaded_;
    loaded_ = true;
    bool iconChanged = fresh || data.structure.icon != window_.structure.icon;
    bool cursorChanged = fresh || data.structure.cursor != window_.structure.cursor;
    bool geometryChanged = data.structure.at.width != window_.structure.at.width ||
                           data.structure.at.height != window_.structure.at.height ||
                           data.structure.at.x != window_.structure.at.x ||
                           data.structure.at.y != window_.structure.at.y ||
                           data.structure.font.name != window_.structure.font.name ||
                           data.structure.font.size != window_.structure.font.size;
    window_.structure = data.structure;
    window_.status = data.status;
    window_.focus = data.focus;
    frame_->setWindowTitle(shownTitle(window_.structure.title));
    // Pictures are read again only when their names change (the status line changes often).
    if (iconChanged) frame_->setWindowIcon(loadIcon(window_.structure.icon));
    if (cursorChanged) {
        if (auto cursor = loadCursor(window_.structure.cursor)) {
            canvas_->setCursor(*cursor);
        } else {
            canvas_->unsetCursor();
        }
    }
    bool newGround = fresh || data.structure.background != groundColour_;
    groundColour_ = data.structure.background;
    if (window_.structure.wallpaper.file != wallpaperFile_) {
        wallpaperFile_ = window_.structure.wallpaper.file;
        wallpaper_ = wallpaperFile_.empty() ? QImage() : loadPicture(wallpaperFile_);
        newGround = true;
    }
    // Text colours are kept readable on the window's ground.
    if (newGround)
        for (auto& [n, item] : items_)
            if (item.widget) applyColours(item);
    if (toolbar_) {
        // Tool buttons take the application's palette, so only the bar itself changes.
        QPalette bar = frame_->palette();
        if (window_.structure.toolbarBackground != kDefaultColor)
            bar.setColor(QPalette::Window, colourOf(window_.structure.toolbarBackground));
        toolbar_->setPalette(bar);
    }
    // A status text set on a window without a status bar gets a bar to show it in.
    bool statusGrows = false;
    if (!statusBar_ && std::any_of(window_.status.begin(), window_.status.end(),
                                   [](const std::string& t) { return !t.empty(); })) {
        makeStatusBar({0});
        statusGrows = shown_;
    }
    for (std::size_t i = 0; i < statusZones_.size(); ++i)
        statusZones_[i]->setText(i < window_.status.size() ? qs(window_.status[i]) : QString());
    if (geometryChanged) {
        units_ = dialogUnitsOf(uiFont(window_.structure.font));
        frame_->setFont(textFont(window_.structure.font));
        for (auto& [n, item] : items_)
            applyGeometry(item);
    }
    if (geometryChanged || statusGrows || !shown_) refreshWindowGeometry();
    canvas_->update();
}

std::optional<QPoint> WindowView::centredPlace() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect area = screen->availableGeometry();
    const QSize size = frame_->size();
    return area.center() - QPoint(size.width() / 2, size.height() / 2);
}

void WindowView::refreshWindowGeometry() {
    QSize client(units_.x(window_.structure.at.width), units_.y(window_.structure.at.height));
    if (toolbar_) {
        int h =
            units_.y(window_.structure.toolbar.height > 0 ? window_.structure.toolbar.height : 21);
        toolbar_->setFixedHeight(h);
    }
    // The frame's size is the client's plus the bars around it.
    canvas_->setFixedSize(client);
    frame_->layout()->activate();
    QSize whole = frame_->sizeHint();
    if (resizable(window_.structure)) {
        canvas_->setMinimumSize(units_.x(window_.structure.minWidth),
                                units_.y(window_.structure.minHeight));
        canvas_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame_->setMinimumSize(0, 0);
        frame_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A maximised window keeps the screen; its size in the model follows from it.
        if (frame_->isMaximized()) return;
        frame_->resize(whole);
    } else {
        frame_->setFixedSize(whole);
    }
    if (window_.structure.centered) {
        if (std::optional<QPoint> centre = centredPlace()) frame_->move(*centre);
    } else if (units_.duX(frame_->x()) != window_.structure.at.x ||
               units_.duY(frame_->y()) != window_.structure.at.y) {
        frame_->move(units_.x(window_.structure.at.x), units_.y(window_.structure.at.y));
    }
}

void WindowView::setTimer(int hundredths) {
    if (hundredths <= 0) {
        timer_->stop();
    } else {
        timer_->start(hundredths * 10);
    }
}

void WindowView::focusControl(int control) {
    window_.focus = control;
    QWidget* w = controlWidget(control);
    if (!w || !shown_) return;
    if (w->focusProxy()) w = w->focusProxy();
    // A button held down under the mouse keeps the focus until it is let go: taking it
    // away would cancel the click (the model focuses the button as the click arrives).
    if (auto* held = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        held && held->isDown() && held->window() == frame_)
        return;
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

bool WindowView::steerToList(int modelFocus) {
    if (!shown_) return false;
    for (int number : order_) {
        const Item& item = items_.at(number);
        if (item.data.structure.kind != ControlKind::List || !item.widget ||
            !item.widget->isVisibleTo(frame_) || !item.widget->isEnabled())
            continue;
        if (!item.widget->hasFocus()) item.widget->setFocus(Qt::OtherFocusReason);
        window_.focus = modelFocus;
        // The model is told once for each control it chose, so that a program answering the
        // list's focus by choosing again cannot go round for ever.
        if (modelFocus != number && steeredFrom_.insert(modelFocus).second) {
            Input in;
            in.kind = Input::Kind::Focus;
            in.control = number;
            send(in);
        }
        return true;
    }
    return false;
}

void WindowView::applyFlags(const std::vector<ControlFlags>& flags) {
    for (const ControlFlags& f : flags) {
        auto it = items_.find(f.number);
        if (it == items_.end()) continue;
        Item& item = it->second;
        bool changed =
            item.data.visible != f.visible || item.data.enabled != f.enabled ||
            (item.data.structure.kind == ControlKind::Radio && item.data.checked != f.checked);
        if (!changed) continue;
        item.data.visible = f.visible;
        item.data.enabled = f.enabled;
        if (item.data.structure.kind == ControlKind::Radio) item.data.checked = f.checked;
        applyControl(item);
    }
}

}  // namespace rt::qt
