#pragma once
// "Browse the INVENTOR File": the item selector of an invoice line, eight structures that
// differ only in colours, one icon and one cursor.

#include "runtime/ui/window_structure.h"

namespace windows::item_selector {

namespace ItemSelectorControl {
inline constexpr int List = 1;
inline constexpr int Select = 2;
inline constexpr int Sheet = 4;
inline constexpr int ItemTab = 14;
inline constexpr int Item = 6;
inline constexpr int DescriptionTab = 15;
inline constexpr int Description = 10;
inline constexpr int Close = 13;
}  // namespace ItemSelectorControl

// The selector of invoice line `line` (1 to 8).
const rt::WindowStructure& itemSelectorWindow(int line);

}  // namespace windows::item_selector
