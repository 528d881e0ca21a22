#pragma once
// "Printing Menu": the business cards in business-name or name order, with the buttons that
// print them in seven styles or as return-address labels.

#include "runtime/ui/window_structure.h"

namespace windows::business_card_list {

namespace CardListControl {
inline constexpr int PrintPanel = 1;
inline constexpr int HowToPrint = 2;
inline constexpr int List = 3;
inline constexpr int Add = 4;
inline constexpr int Change = 5;
inline constexpr int Delete = 6;
inline constexpr int Sheet = 7;
inline constexpr int BusinessNameTab = 8;
inline constexpr int FirstStyle = 9;  // "Print Business Card Style 1" .. 7: 9 .. 15
inline constexpr int ReturnAddressLabels = 16;
inline constexpr int NameTab = 17;
inline constexpr int Close = 18;
inline constexpr int Copy = 19;
inline constexpr int ClearAll = 20;
}  // namespace CardListControl

const rt::WindowStructure& businessCardListWindow();

}  // namespace windows::business_card_list
