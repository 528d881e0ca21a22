#pragma once
// Module Tovik003: the additional notes of a contact.

#include "runtime/ui/window_structure.h"

namespace windows::tovik003 {

namespace NotesControl {
inline constexpr int Notes = 1;
inline constexpr int Ok = 2;
inline constexpr int Close = 3;  // hidden: the form's completing button
}  // namespace NotesControl

const rt::WindowStructure& notesWindow();

}  // namespace windows::tovik003
