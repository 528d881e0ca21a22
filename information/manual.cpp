#include "information/manual.h"

#include <optional>

#include "runtime/system/desktop_handover.h"
#include "runtime/system/resource_lookup.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

void OpenManual() {
    const std::optional<std::filesystem::path> manual = rt::findResource("manual.html");
    if (!manual || !rt::openDocument(*manual))
        rt::message(
            "The manual could not be opened: no program of the desktop takes it, or the "
            "file manual.html is missing from the program's resources.",
            "Print The Manual", ICON::Exclamation);
}
