#include "runtime/qt/key_hold.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace rt::qt {
namespace {

// How often a hold looks whether the program has answered, in milliseconds.
constexpr int kPollInterval = 5;

}  // namespace

KeyHold::KeyHold(std::function<bool()> settled) : settled_(std::move(settled)) {
    poll_.setInterval(kPollInterval);
    QObject::connect(&poll_, &QTimer::timeout, this, [this] { releaseWhenSettled(); });
}

void KeyHold::begin() {
    if (!holding_) opened_ = nullptr;
    holding_ = true;
    poll_.start();
}

void KeyHold::opened(QWidget* window) {
    if (holding_ && window) opened_ = window;
}

bool KeyHold::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        lastWasKey_ = false;
        // A click waits for nothing; keys held for an answer given go first.
        if (holding_ && !delivering_) releaseWhenSettled();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (type == QEvent::KeyPress) lastWasKey_ = true;
    // A key is taken where it reaches a widget (a key from the window system passes its
    // window first); the keys this hold hands on pass.
    if (!holding_ || delivering_ || !watched->isWidgetType()) return false;
    if (settled_()) {
        release();
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        event->accept();  // no shortcut acts on it yet: it is handed on later, whole
        return true;
    }
    held_.push_back({type, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                     key->timestamp(), static_cast<QWidget*>(watched)->window()});
    return true;
}

void KeyHold::releaseWhenSettled() {
    if (holding_ && settled_()) release();
}

void KeyHold::release() {
    holding_ = false;
    poll_.stop();
    std::vector<HeldKey> keys;
    keys.swap(held_);
    QPointer<QWidget> opened = opened_;
    opened_ = nullptr;
    if (keys.empty()) return;
    const bool toOpened = opened && opened->isVisible();
    // Typing into a window just opened replaces its first field, as typing into a selected
    // field does.
    if (toOpened)
        if (auto* field = qobject_cast<QLineEdit*>(opened->focusWidget())) field->selectAll();
    delivering_ = true;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const HeldKey& k = keys[i];
        QWidget* target = toOpened ? opened.data() : k.window.data();
        if (!target || !target->isVisible()) target = QApplication::activeModalWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) continue;
        // Sent to the widget with the keyboard there, the key passes the window's shortcuts
        // (a button's letter) first, as a key from the window system does.
        QWidget* to = target->focusWidget() ? target->focusWidget() : target;
        QKeyEvent event(k.type, k.key, k.modifiers, k.text, k.autoRepeat);
        event.setTimestamp(k.timestamp);
        QApplication::sendEvent(to, &event);
        // A key handed on that is itself a command: the keys after it wait for its answer.
        if (holding_) {
            held_.insert(held_.begin(), keys.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         keys.end());
            break;
        }
    }
    delivering_ = false;
}

}  // namespace rt::qt
