#include "data_exchange/list_keys.h"

#include <algorithm>

#include "runtime/ui/codes.h"

namespace data_exchange {

namespace {

constexpr int kPageRows = 10;

}  // namespace

bool moveListHighlight(rt::Window& window, int event, int list) {
    if (window.field() != list) return false;
    const rt::ControlState* c = window.control(list);
    const int count = c && c->rows ? c->rows->rowCount() : 0;
    const int row = window.choice(list);
    int next = row;
    switch (event) {
        case EVENT::ScrollUp:
            next = row - 1;
            break;
        case EVENT::ScrollDown:
            next = row + 1;
            break;
        case EVENT::PageUp:
            next = row - kPageRows;
            break;
        case EVENT::PageDown:
            next = row + kPageRows;
            break;
        case EVENT::ScrollTop:
            next = 1;
            break;
        case EVENT::ScrollBottom:
            next = count;
            break;
        default:
            return false;
    }
    if (count == 0) return true;
    next = std::clamp(next, 1, count);
    if (next != row) {
        window.setProp(list, PROP::SelectedRow, next);
        window.post(EVENT::NewSelection, list);
    }
    return true;
}

}  // namespace data_exchange
