#pragma once
// "Software Name": the product records.

#include "runtime/ui/window_structure.h"

namespace windows::product_list {

namespace ProductListControl {
inline constexpr int List = 1;
inline constexpr int Change = 2;
inline constexpr int Sheet = 3;
inline constexpr int Tab = 4;
inline constexpr int Insert = 5;
inline constexpr int Close = 6;
inline constexpr int Delete = 7;
}  // namespace ProductListControl

const rt::WindowStructure& productListWindow();

}  // namespace windows::product_list
