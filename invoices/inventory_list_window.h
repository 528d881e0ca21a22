#pragma once
// "Browse the INVENTORY File": the inventory in item and description order.

#include "runtime/ui/window_structure.h"

namespace windows::inventory_list {

namespace InventoryListControl {
inline constexpr int List = 1;
inline constexpr int Select = 2;
inline constexpr int Add = 3;
inline constexpr int Open = 4;
inline constexpr int Delete = 5;
inline constexpr int Sheet = 7;
inline constexpr int ItemTab = 16;
inline constexpr int Item = 8;
inline constexpr int DescriptionTab = 17;
inline constexpr int Description = 12;
inline constexpr int Close = 15;
}  // namespace InventoryListControl

const rt::WindowStructure& inventoryListWindow();

}  // namespace windows::inventory_list
