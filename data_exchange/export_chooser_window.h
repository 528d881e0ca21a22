#pragma once
// "Choose Fields for Export...": the fields of the file beside the fields to export.

#include <string_view>

#include "runtime/ui/window_structure.h"

namespace windows::export_chooser {

namespace ExportChooserControl {
inline constexpr int AllFields = 1;
inline constexpr int Add = 2;
inline constexpr int Remove = 3;
inline constexpr int ShiftUp = 4;
inline constexpr int ShiftDown = 5;
inline constexpr int Picture = 6;
inline constexpr int ExportFields = 7;
inline constexpr int PictureGroup = 8;
inline constexpr int PictureKind = 9;
inline constexpr int IncludeHeader = 10;
inline constexpr int Ok = 11;
inline constexpr int Cancel = 12;
inline constexpr int Help = 13;
}  // namespace ExportChooserControl

// The chooser of module `module` ("Tovik041" contacts, "Tovik044" checks, whose Help button
// is one unit narrower).
const rt::WindowStructure& exportChooserWindow(std::string_view module);

}  // namespace windows::export_chooser
