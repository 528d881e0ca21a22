#pragma once
// Keys typed while the program is still answering a command (a button pressed by its letter
// or a click, Enter, Escape, a key a list takes) wait for that answer. Then they go to the
// window the command opened, on its control with the keyboard, or where they were typed when
// it opened none: a form opened by its button's letter takes the typing behind that letter,
// never the list behind it. They keep their timestamps, so the typing guard judges them as
// they were typed.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace rt::qt {

class KeyHold : public QObject {
  public:
    // `settled`: true once the program has answered all input handed to it and the screen
    // shows that answer.
    explicit KeyHold(std::function<bool()> settled);

    // A command typed on the keyboard went to the program: keys wait from now on until it
    // has answered.
    void begin();
    // True when the user's last input was a key, not the mouse.
    bool lastInputWasKey() const { return lastWasKey_; }
    // A window or box opened meanwhile: the keys held go to it.
    void opened(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct HeldKey {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat;
        unsigned long timestamp;
        QPointer<QWidget> window;  // the window it was typed into
    };

    void releaseWhenSettled();
    void release();

    std::function<bool()> settled_;
    QTimer poll_;
    std::vector<HeldKey> held_;
    QPointer<QWidget> opened_;
    bool holding_ = false;
    bool delivering_ = false;
    bool lastWasKey_ = false;
};

}  // namespace rt::qt
