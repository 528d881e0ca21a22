#pragma once
// The zip-code maintenance list.

#include "runtime/ui/window_structure.h"

namespace windows::zip_list {

namespace ZipListControl {
inline constexpr int List = 1;
inline constexpr int Insert = 2;
inline constexpr int Change = 3;
inline constexpr int Delete = 4;
inline constexpr int Sheet = 5;
inline constexpr int CityTab = 6;
inline constexpr int City = 8;
inline constexpr int StateTab = 9;
inline constexpr int ZipTab = 10;
inline constexpr int Zip = 12;
inline constexpr int Close = 13;
}  // namespace ZipListControl

const rt::WindowStructure& zipListWindow();

}  // namespace windows::zip_list
