#pragma once
// The area-code form "Update the AreaCode File".

#include "runtime/ui/window_structure.h"

namespace windows::area_code_form {

namespace AreaFormControl {
inline constexpr int AreaCode = 4;
inline constexpr int State = 6;
inline constexpr int City = 8;
inline constexpr int TimeZone = 10;
inline constexpr int Ok = 11;
inline constexpr int Cancel = 12;
}  // namespace AreaFormControl

const rt::WindowStructure& areaFormWindow();

}  // namespace windows::area_code_form
