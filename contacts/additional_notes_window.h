#pragma once
// The additional notes of a contact.

#include "runtime/ui/window_structure.h"

namespace windows::additional_notes {

namespace NotesControl {
inline constexpr int Notes = 1;
inline constexpr int Ok = 2;
inline constexpr int Close = 3;  // hidden: the form's completing button
}  // namespace NotesControl

const rt::WindowStructure& notesWindow();

}  // namespace windows::additional_notes
