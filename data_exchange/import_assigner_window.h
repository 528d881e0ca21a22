#pragma once
// "Assign fields for Import...": the file's columns beside the fields they can fill.

#include <string_view>

#include "runtime/ui/window_structure.h"

namespace windows::import_assigner {

// Control numbers of the contacts' assigner; the checks' has no "Rec#" and numbers the later
// controls two lower.
struct ImportAssignerControls {
    int columns = 1;
    int targets = 2;
    int next = 3;
    int lineNumber = 5;  // 0: not shown
    int picture = 6;
    int assign = 7;
    int automatic = 8;
    int unassign = 9;
    int stripHeader = 10;
    int ok = 11;
    int cancel = 12;
    int help = 13;
};

ImportAssignerControls importAssignerControls(std::string_view module);
// "Tovik042" contacts, "Tovik043" checks.
const rt::WindowStructure& importAssignerWindow(std::string_view module);

}  // namespace windows::import_assigner
