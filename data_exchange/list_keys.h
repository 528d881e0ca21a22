#pragma once
// The chooser and the assigner hold every row of their lists themselves, so the arrow and
// page keys move the highlight here; a list paged by a procedure does that work itself.

#include "runtime/ui/window.h"

namespace data_exchange {

// When `event` is a scroll event of `list`, moves its highlight one row, one page, or to the
// first or last row, and posts the list's NewSelection; true when it was such an event.
bool moveListHighlight(rt::Window& window, int event, int list);

}  // namespace data_exchange
