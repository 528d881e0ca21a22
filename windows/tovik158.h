#pragma once
// Module Tovik158: the zip-code form "Update the Zip File".

#include "runtime/ui/window_structure.h"

namespace windows::tovik158 {

namespace ZipFormControl {
inline constexpr int City = 4;
inline constexpr int State = 6;
inline constexpr int Zip = 8;
inline constexpr int Ok = 9;
inline constexpr int Cancel = 10;
}  // namespace ZipFormControl

const rt::WindowStructure& zipFormWindow();

}  // namespace windows::tovik158
