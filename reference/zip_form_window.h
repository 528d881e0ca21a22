#pragma once
// The zip-code form "Update the Zip File".

#include "runtime/ui/window_structure.h"

namespace windows::zip_form {

namespace ZipFormControl {
inline constexpr int City = 4;
inline constexpr int State = 6;
inline constexpr int Zip = 8;
inline constexpr int Ok = 9;
inline constexpr int Cancel = 10;
}  // namespace ZipFormControl

const rt::WindowStructure& zipFormWindow();

}  // namespace windows::zip_form
