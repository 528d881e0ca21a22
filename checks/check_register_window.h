#pragma once
// "Check Register - Printed Checks": the printed checks, their reprint and their report.

#include "runtime/ui/window_structure.h"

namespace windows::check_register {

namespace RegisterControl {
inline constexpr int List = 1;
inline constexpr int Sheet = 2;
inline constexpr int FirstTab = 3;             // tabs 3 .. 8, one per order
inline constexpr int FirstLocator = 9;         // locator entries 9 .. 14
inline constexpr int FirstLocatorPrompt = 15;  // 15 .. 20
inline constexpr int Reprint = 21;
inline constexpr int PrintReport = 22;
inline constexpr int Help = 23;
inline constexpr int Open = 24;
inline constexpr int Delete = 25;
inline constexpr int Tag = 26;
inline constexpr int Untag = 27;
inline constexpr int TagAll = 28;
inline constexpr int UntagAll = 29;
inline constexpr int PrevTag = 30;
inline constexpr int NextTag = 31;
inline constexpr int ShowTagged = 32;
inline constexpr int Search = 33;
inline constexpr int Close = 34;
inline constexpr int ProductName = 35;
inline constexpr int Hint = 36;
}  // namespace RegisterControl

const rt::WindowStructure& checkRegisterWindow();

}  // namespace windows::check_register
