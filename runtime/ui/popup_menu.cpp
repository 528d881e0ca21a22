#include "runtime/ui/popup_menu.h"

namespace rt {

std::vector<PopupItem> parsePopupMenu(std::string_view text) {
    std::vector<PopupItem> items;
    if (text.empty()) return items;
    int number = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = text.find('|', start);
        std::string_view part = text.substr(
            start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
        PopupItem item;
        if (part == "-") {
            item.separator = true;
        } else {
            for (bool more = true; more && !part.empty();) {
                switch (part.front()) {
                    case '~':
                        item.greyed = true;
                        break;
                    case '-':
                        item.checkable = true;
                        item.checked = false;
                        break;
                    case '+':
                        item.checkable = true;
                        item.checked = true;
                        break;
                    default:
                        more = false;
                        continue;
                }
                part.remove_prefix(1);
            }
            item.text = std::string(part);
            item.number = ++number;
        }
        items.push_back(std::move(item));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    // A trailing "|" leaves an empty last item: drop it.
    if (!items.empty() && !items.back().separator && items.back().text.empty()) items.pop_back();
    return items;
}

std::string withoutMnemonic(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace rt
