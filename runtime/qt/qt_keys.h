#pragma once
// Qt key presses as the window model's key codes (KEY:: values with the Shift, Ctrl and Alt
// masks) and the character typed.

#include <QKeyEvent>

namespace rt::qt {

struct KeyPress {
    int code = 0;  // 0: a key the model has no code for
    char character = 0;
};

KeyPress keyPressOf(const QKeyEvent& event);

// The Qt key and modifiers that give a model key code; false for a code no key gives.
bool qtKeyOf(int code, Qt::Key& key, Qt::KeyboardModifiers& modifiers);

}  // namespace rt::qt
