#pragma once
// Key codes by name ("Ctrl+Q", "Alt+Shift+Insert", "F2"), the running thread's current key
// code, and the program-wide key substitution table.

#include <string>
#include <string_view>

#include "runtime/ui/window_structure.h"

namespace rt {

// 0 when the name is not a key.
int keyFromName(std::string_view name);
std::string keyName(int code);

// The key code (and the typed character, 0 for none) of the event the running thread
// handles; each application thread has its own.
int keyCode();
char keyChar();
void setKeyCode(int code, char character = 0);
void clearKeyCode();

// True when `key` edits the text of a control of kind `focused` (Delete, Backspace in an
// entry): there it deletes text, whatever button it is the key of.
bool editsText(ControlKind focused, int key);

// Program-wide: key `from` acts as key `to` (Enter as Tab). `to` 0 removes the entry.
void substituteKey(int from, int to);
int substitutedKey(int code);

}  // namespace rt
