#include "runtime/qt/typing_guard.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace rt::qt {
namespace {

constexpr const char* kConfirmingProperty = "rtConfirming";

// Keys that write into a field or move between fields: they ask for no window.
bool isTyping(const QKeyEvent& key, const QObject* target) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Backspace:
            return true;
        default:
            break;
    }
    // A blank on a button presses it.
    return !key.text().isEmpty() && key.text().at(0).isPrint() &&
           !qobject_cast<const QAbstractButton*>(target);
}

bool opensOnItsOwn(const QWidget& w) {
    const Qt::WindowType type = w.windowType();
    return w.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

}  // namespace

void TypingGuard::markConfirming(QWidget& box) {
    box.setProperty(kConfirmingProperty, true);
}

bool TypingGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show: {
            if (lastKeyAt_ == 0 || !watched->isWidgetType()) return false;
            auto* shown = static_cast<QWidget*>(watched);
            if (!opensOnItsOwn(*shown)) return false;
            const bool confirming = shown->property(kConfirmingProperty).toBool();
            if (!typing_ && !(confirming && keyed_)) return false;
            guarded_ = shown;
            // The moment it shows, on the keys' clock: the last key's stamp and the time since
            // it arrived (a key that arrived late makes this later, which keeps more out).
            const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
                Clock::now() - lastKeyArrived_);
            guardedFrom_ = lastKeyAt_ + static_cast<unsigned long>(since.count());
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            typing_ = false;
            keyed_ = false;
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == guarded_)
                guarded_ = nullptr;
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // A key from the window system passes its window first, then the widget with the
            // keyboard (and that widget's parents when it leaves the key): it is judged once,
            // at the widget, or it would count as its own burst.
            if (!watched->isWidgetType()) return false;
            break;
        default:
            return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const unsigned long at = key->timestamp();
    const bool inGuarded = guarded_ && static_cast<QWidget*>(watched)->window() == guarded_;
    if (inGuarded && at != 0 && (at - lastKeyAt_ < kBurstPause || at < guardedFrom_)) {
        // Still the burst that opened it, or typed before it showed.
        if (event->type() != QEvent::KeyRelease && at > lastKeyAt_) lastKeyAt_ = at;
        event->accept();  // an accepted override keeps the key from being a shortcut
        return true;
    }
    // A key that is a shortcut (a button's letter) never comes as a key press: its override
    // is where it is seen.
    if (event->type() == QEvent::KeyRelease) return false;
    if (inGuarded) guarded_ = nullptr;  // the user has seen the window and answers it
    lastKeyAt_ = at;
    lastKeyArrived_ = Clock::now();
    typing_ = isTyping(*key, watched);
    keyed_ = true;
    return false;
}

}  // namespace rt::qt
