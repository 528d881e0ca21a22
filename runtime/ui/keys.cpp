#include "runtime/ui/keys.h"

#include <atomic>
#include <cctype>
#include <map>
#include <mutex>

#include "runtime/text/ascii_case.h"
#include "runtime/ui/codes.h"

namespace rt {
namespace {

struct NamedKey {
    const char* name;
    int code;
};

constexpr NamedKey kNames[] = {
    {"LeftClick", KEY::LeftClick},
    {"RightClick", KEY::RightClick},
    {"DoubleClick", KEY::LeftDoubleClick},
    {"Backspace", KEY::Backspace},
    {"Tab", KEY::Tab},
    {"Enter", KEY::Enter},
    {"Esc", KEY::Esc},
    {"Escape", KEY::Esc},
    {"Space", KEY::Space},
    {"PgUp", KEY::PgUp},
    {"PgDn", KEY::PgDn},
    {"End", KEY::End},
    {"Home", KEY::Home},
    {"Left", KEY::Left},
    {"Up", KEY::Up},
    {"Right", KEY::Right},
    {"Down", KEY::Down},
    {"Insert", KEY::Insert},
    {"Ins", KEY::Insert},
    {"Delete", KEY::Delete},
    {"Del", KEY::Delete},
    {"Quote", KEY::Quote},
    {"'", KEY::Quote},
    {"PadMultiply", KEY::PadMultiply},
    {"PadAdd", KEY::PadAdd},
    {"PadSubtract", KEY::PadSubtract},
    {"PadPoint", KEY::PadPoint},
    {"PadDivide", KEY::PadDivide},
};

int baseKey(std::string_view name) {
    for (const auto& k : kNames)
        if (equalNoCaseAscii(name, k.name)) return k.code;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return KEY::letter(name[0]);
    if (name.size() == 4 && equalNoCaseAscii(name.substr(0, 3), "Pad") &&
        std::isdigit(static_cast<unsigned char>(name[3])))
        return KEY::Pad0 + (name[3] - '0');
    if ((name.size() == 2 || name.size() == 3) && (name[0] == 'F' || name[0] == 'f')) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) return KEY::F1 + n - 1;
    }
    return 0;
}

thread_local int tCode = 0;
thread_local char tChar = 0;

std::mutex gSubstitutionMutex;
std::map<int, int> gSubstitutions;

}  // namespace

int keyFromName(std::string_view name) {
    int modifiers = 0;
    for (;;) {
        std::size_t plus = name.find('+', 1);  // "+" alone would be a key name
        if (plus == std::string_view::npos) break;
        std::string_view part = name.substr(0, plus);
        if (equalNoCaseAscii(part, "Shift")) {
            modifiers |= KEY::ShiftMask;
        } else if (equalNoCaseAscii(part, "Ctrl")) {
            modifiers |= KEY::CtrlMask;
        } else if (equalNoCaseAscii(part, "Alt")) {
            modifiers |= KEY::AltMask;
        } else {
            return 0;
        }
        name.remove_prefix(plus + 1);
    }
    int base = baseKey(name);
    return base == 0 ? 0 : base | modifiers;
}

std::string keyName(int code) {
    std::string out;
    if (code & KEY::CtrlMask) out += "Ctrl+";
    if (code & KEY::AltMask) out += "Alt+";
    if (code & KEY::ShiftMask) out += "Shift+";
    int base = code & 0xFF;
    if (base >= KEY::F1 && base <= KEY::F12) return out + "F" + std::to_string(base - KEY::F1 + 1);
    for (const auto& k : kNames)
        if (k.code == base) return out + k.name;
    if (std::isalnum(base)) return out + static_cast<char>(base);
    return out + "0x" + std::to_string(base);
}

int keyCode() {
    return tCode;
}
char keyChar() {
    return tChar;
}
void setKeyCode(int code, char character) {
    tCode = code;
    tChar = character;
}
void clearKeyCode() {
    setKeyCode(0, 0);
}

void substituteKey(int from, int to) {
    std::lock_guard lock(gSubstitutionMutex);
    if (to == 0) {
        gSubstitutions.erase(from);
    } else {
        gSubstitutions[from] = to;
    }
}

int substitutedKey(int code) {
    std::lock_guard lock(gSubstitutionMutex);
    auto it = gSubstitutions.find(code);
    return it == gSubstitutions.end() ? code : it->second;
}

bool editsText(ControlKind focused, int key) {
    if (key != KEY::Delete && key != KEY::Backspace) return false;
    switch (focused) {
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
            return true;
        default:
            return false;
    }
}

}  // namespace rt
