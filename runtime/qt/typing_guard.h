#pragma once
// Keeps a burst of typing from acting in a window that opened in the middle of it. A window
// (or message box) shown while the user was typing into another (text, Tab, Backspace) did
// not come at the user's asking: the keys of the same burst that reach it are dropped, so a
// blank or an Enter meant for the caller presses none of its buttons. The first key after a
// pause, or a click, is the user's answer to the window and goes through.
//
// A box that asks the user to confirm a change or a removal of records is kept from the burst
// that opened it even when that burst was a command (Delete, Enter, Escape, a button's letter):
// it takes no key typed before it appeared or within that burst, so the user sees it before
// answering it.
//
// Bursts are told apart by the keys' own timestamps, as the window system stamps them; a key
// without a timestamp belongs to no burst.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <chrono>

namespace rt::qt {

class TypingGuard : public QObject {
  public:
    // The longest pause between two keys of one burst, in milliseconds.
    static constexpr unsigned long kBurstPause = 500;

    // Marks `box`, before it is shown, as one that confirms a change or a removal of records.
    static void markConfirming(QWidget& box);

    // True while `window` opened in the middle of a burst and the user has not yet answered
    // it (a key after a pause, or a click).
    bool holds(const QWidget* window) const { return guarded_ && guarded_ == window; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Clock = std::chrono::steady_clock;

    unsigned long lastKeyAt_ = 0;         // the timestamp of the last key the user pressed
    Clock::time_point lastKeyArrived_{};  // when that key reached the program
    bool typing_ = false;            // the user's last input was typing, not a command or click
    bool keyed_ = false;             // the user's last input was a key, not a click
    QPointer<QWidget> guarded_;      // the window opened in the middle of the burst
    unsigned long guardedFrom_ = 0;  // keys stamped before this were typed before it showed
};

}  // namespace rt::qt
