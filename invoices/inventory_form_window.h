#pragma once
// "Update the INVENTOR File": one inventory item.

#include "runtime/ui/window_structure.h"

namespace windows::inventory_form {

namespace InventoryFormControl {
inline constexpr int Sheet = 1;
inline constexpr int Item = 3;
inline constexpr int Description = 5;
inline constexpr int Price = 7;
inline constexpr int Ok = 9;
inline constexpr int Cancel = 10;
}  // namespace InventoryFormControl

const rt::WindowStructure& inventoryFormWindow();

}  // namespace windows::inventory_form
