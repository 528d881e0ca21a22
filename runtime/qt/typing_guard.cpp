#include "runtime/qt/typing_guard.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace rt::qt {
namespace {

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

bool TypingGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (typing_ && lastKeyAt_ != 0 && watched->isWidgetType() &&
                opensOnItsOwn(*static_cast<QWidget*>(watched)))
                guarded_ = static_cast<QWidget*>(watched);
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            typing_ = false;
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
    if (inGuarded && at != 0 && at - lastKeyAt_ < kBurstPause) {
        // Still the burst that was typed for the caller.
        if (event->type() == QEvent::KeyPress) lastKeyAt_ = at;
        event->accept();  // an accepted override keeps the key from being a shortcut
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    if (inGuarded) guarded_ = nullptr;  // the user has seen the window and answers it
    lastKeyAt_ = at;
    typing_ = isTyping(*key, watched);
    return false;
}

}  // namespace rt::qt
