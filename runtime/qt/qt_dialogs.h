#pragma once
// Message boxes, popup menus, file dialogs and the printer set-up through Qt. Each opens
// without a nested event loop and answers the model's dialog when the user is done.

#include <QWidget>

#include "runtime/ui/backend.h"

namespace rt::qt {

// On the GUI thread; `parent` is the active window (nullptr for none).
void presentDialog(const DialogPtr& dialog, QWidget* parent);

}  // namespace rt::qt
