#pragma once
// Popup menus from text: items between "|", a lone "-" a separator line, "~" in front
// greys an item, "&" marks the mnemonic, a leading "-" or "+" an item without or with a
// check mark. The answer is the item's number, separators not counted; 0 for no choice.

#include <string>
#include <string_view>
#include <vector>

namespace rt {

struct PopupItem {
    std::string text;  // as written, "&" kept, "~", "-", "+" removed
    bool separator = false;
    bool greyed = false;
    bool checkable = false;
    bool checked = false;
    int number = 0;  // the answer for this item; 0 for separators
};

std::vector<PopupItem> parsePopupMenu(std::string_view text);

// The text without its "&" mnemonic markers ("&&" stays one "&").
std::string withoutMnemonic(std::string_view text);

}  // namespace rt
