#pragma once
// "Post Checks To Print": the checks entered and not yet printed.

#include "runtime/ui/window_structure.h"

namespace windows::checks_to_print {

namespace ChecksToPrintControl {
inline constexpr int List = 1;
inline constexpr int Sheet = 2;
inline constexpr int FirstTab = 3;             // tabs 3 .. 8, one per order
inline constexpr int FirstLocator = 9;         // locator entries 9 .. 14 (none on the ID # tab)
inline constexpr int FirstLocatorPrompt = 15;  // 15 .. 20
inline constexpr int PrintTagged = 21;
inline constexpr int PrintAll = 22;
inline constexpr int Tag = 23;
inline constexpr int Untag = 24;
inline constexpr int TagAll = 25;
inline constexpr int UntagAll = 26;
inline constexpr int Help = 27;
inline constexpr int Close = 28;
inline constexpr int Add = 29;
inline constexpr int Open = 30;
inline constexpr int Delete = 31;
inline constexpr int TotalPrompt = 32;
inline constexpr int Total = 33;
inline constexpr int ProductName = 34;
inline constexpr int Hint = 35;
}  // namespace ChecksToPrintControl

// The tab of the "ID #" order, which has no locator entry.
inline constexpr int kIdTab = 4;  // fourth tab

const rt::WindowStructure& checksToPrintWindow();

}  // namespace windows::checks_to_print
