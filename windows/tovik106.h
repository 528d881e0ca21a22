#pragma once
// Module Tovik106: the area-code form "Update the AreaCode File".

#include "runtime/ui/window_structure.h"

namespace windows::tovik106 {

namespace AreaFormControl {
inline constexpr int AreaCode = 4;
inline constexpr int State = 6;
inline constexpr int City = 8;
inline constexpr int TimeZone = 10;
inline constexpr int Ok = 11;
inline constexpr int Cancel = 12;
}  // namespace AreaFormControl

const rt::WindowStructure& areaFormWindow();

}  // namespace windows::tovik106
