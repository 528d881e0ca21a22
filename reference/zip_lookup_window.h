#pragma once
// The zip-code lookup "Browse the Zip File".

#include "runtime/ui/window_structure.h"

namespace windows::zip_lookup {

namespace ZipLookupControl {
inline constexpr int List = 1;
inline constexpr int Select = 2;
inline constexpr int Close = 3;
inline constexpr int Sheet = 4;
inline constexpr int CityTab = 5;
inline constexpr int City = 6;
inline constexpr int UpdateZipCodes = 7;
inline constexpr int HiddenOk = 8;
inline constexpr int StateTab = 10;
inline constexpr int State = 11;
inline constexpr int ZipTab = 13;
inline constexpr int Zip = 14;
}  // namespace ZipLookupControl

const rt::WindowStructure& zipLookupWindow();

}  // namespace windows::zip_lookup
