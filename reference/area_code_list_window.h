#pragma once
// The area-code maintenance list.

#include "runtime/ui/window_structure.h"

namespace windows::area_code_list {

namespace AreaListControl {
inline constexpr int List = 1;
inline constexpr int Insert = 2;
inline constexpr int Change = 3;
inline constexpr int Delete = 4;
inline constexpr int Sheet = 5;
inline constexpr int AreaCodeTab = 6;
inline constexpr int AreaCode = 7;
inline constexpr int StateTab = 9;
inline constexpr int State = 10;
inline constexpr int CityTab = 12;
inline constexpr int City = 13;
inline constexpr int Close = 15;
}  // namespace AreaListControl

const rt::WindowStructure& areaListWindow();

}  // namespace windows::area_code_list
