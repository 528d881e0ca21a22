#pragma once
// The form of one information text or help topic: its title and its text.

#include "runtime/ui/window_structure.h"

namespace windows::text_form {

struct TextFormControls {
    int title = 3;
    int text = 5;
    int close = 6;
    int cancel = 7;
};

// The information form (title INF:INFORMATIONFILE, text INF:INFO).
const rt::WindowStructure& informationFormWindow();
inline constexpr TextFormControls informationFormControls{3, 5, 6, 7};
// The help form (HEL:HELP, HEL:HELPINFO); it has no panel, so its later controls are one lower.
const rt::WindowStructure& helpFormWindow();
inline constexpr TextFormControls helpFormControls{3, 4, 5, 6};

}  // namespace windows::text_form
