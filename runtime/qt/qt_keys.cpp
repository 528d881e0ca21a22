#include "runtime/qt/qt_keys.h"

#include "runtime/text/codepage.h"
#include "runtime/ui/codes.h"

namespace rt::qt {
namespace {

// Keys of the numeric keypad have codes of their own.
int keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return KEY::Pad0 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return KEY::PadMultiply;
        case Qt::Key_Plus:
            return KEY::PadAdd;
        case Qt::Key_Minus:
            return KEY::PadSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return KEY::PadPoint;
        case Qt::Key_Slash:
            return KEY::PadDivide;
        default:
            return 0;
    }
}

int baseCode(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return KEY::F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return KEY::Enter;
        case Qt::Key_Escape:
            return KEY::Esc;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return KEY::Tab;
        case Qt::Key_Backspace:
            return KEY::Backspace;
        case Qt::Key_Space:
            return KEY::Space;
        case Qt::Key_PageUp:
            return KEY::PgUp;
        case Qt::Key_PageDown:
            return KEY::PgDn;
        case Qt::Key_End:
            return KEY::End;
        case Qt::Key_Home:
            return KEY::Home;
        case Qt::Key_Left:
            return KEY::Left;
        case Qt::Key_Up:
            return KEY::Up;
        case Qt::Key_Right:
            return KEY::Right;
        case Qt::Key_Down:
            return KEY::Down;
        case Qt::Key_Insert:
            return KEY::Insert;
        case Qt::Key_Delete:
            return KEY::Delete;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return KEY::Quote;
        default:
            return 0;
    }
}

}  // namespace

KeyPress keyPressOf(const QKeyEvent& event) {
    KeyPress k;
    Qt::KeyboardModifiers mods = event.modifiers();
    int base = (mods & Qt::KeypadModifier) ? keypadCode(event.key()) : 0;
    if (base == 0) base = baseCode(event.key());
    if (base == 0) return k;
    k.code = base;
    if ((mods & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab) k.code += KEY::ShiftMask;
    if (mods & Qt::ControlModifier) k.code += KEY::CtrlMask;
    if (mods & Qt::AltModifier) k.code += KEY::AltMask;
    QString text = event.text();
    if (text.size() == 1 && text[0].isPrint()) {
        std::string cp = utf8ToCp1252(text.toStdString());
        if (cp.size() == 1) k.character = cp[0];
    }
    return k;
}

bool qtKeyOf(int code, Qt::Key& key, Qt::KeyboardModifiers& modifiers) {
    const int base = code & 0xFF;
    if (base == 0) return false;
    static const Qt::Key kCandidates[] = {
        Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,      Qt::Key_Backspace,
        Qt::Key_Space,  Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
        Qt::Key_Home,   Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right,
        Qt::Key_Down,   Qt::Key_Insert, Qt::Key_Delete,   Qt::Key_Apostrophe};
    int found = 0;
    if (base >= 'A' && base <= 'Z') found = Qt::Key_A + (base - 'A');
    if (base >= '0' && base <= '9') found = Qt::Key_0 + (base - '0');
    if (base >= KEY::F1 && base <= KEY::F12) found = Qt::Key_F1 + (base - KEY::F1);
    for (Qt::Key k : kCandidates)
        if (!found && baseCode(k) == base) found = k;
    if (!found) return false;
    key = static_cast<Qt::Key>(found);
    modifiers = Qt::NoModifier;
    if (code & KEY::ShiftMask) modifiers |= Qt::ShiftModifier;
    if (code & KEY::CtrlMask) modifiers |= Qt::ControlModifier;
    if (code & KEY::AltMask) modifiers |= Qt::AltModifier;
    return true;
}

}  // namespace rt::qt
