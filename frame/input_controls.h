// Which controls take a value the user types or toggles.
#pragma once

#include "runtime/ui/window_structure.h"

// Entries, text boxes, spins, combos, drop lists and check boxes: the controls that hold a
// field's value on their own. An option group holds one too, through its radios; callers
// that treat the group as a whole add it themselves.
inline bool isValueControl(rt::ControlKind kind) {
    switch (kind) {
        case rt::ControlKind::Entry:
        case rt::ControlKind::Text:
        case rt::ControlKind::Spin:
        case rt::ControlKind::Combo:
        case rt::ControlKind::DropList:
        case rt::ControlKind::Check:
            return true;
        default:
            return false;
    }
}
