#pragma once
// The area-code lookup and maintenance lists, both "Browse
// the Area Code File".

#include "runtime/ui/window_structure.h"

namespace windows::area_code_lookup {

namespace AreaLookupControl {
inline constexpr int List = 1;
inline constexpr int UpdateAreaCodes = 2;
inline constexpr int Sheet = 3;
inline constexpr int AreaCodeTab = 4;
inline constexpr int AreaCode = 5;
inline constexpr int StateTab = 7;
inline constexpr int State = 8;
inline constexpr int CityTab = 10;
inline constexpr int City = 11;
inline constexpr int Close = 13;
}  // namespace AreaLookupControl

const rt::WindowStructure& areaLookupWindow();

// The list format both area-code lists share.
const char* areaCodeListFormat();

}  // namespace windows::area_code_lookup
