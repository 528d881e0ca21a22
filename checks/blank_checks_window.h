#pragma once
// "Print Blank Checks ": the blank checks, numbered and printed on check stock.

#include "runtime/ui/window_structure.h"

namespace windows::blank_checks {

namespace BlankChecksControl {
inline constexpr int Sheet = 1;
inline constexpr int FirstNameTab = 2;
inline constexpr int LastNameTab = 3;
inline constexpr int CompanyNameTab = 4;
inline constexpr int List = 5;
inline constexpr int Copy = 6;
inline constexpr int Hint = 7;
inline constexpr int Add = 8;
inline constexpr int Open = 9;
inline constexpr int Delete = 10;
inline constexpr int SetNumbers = 11;
inline constexpr int PrintThreeUp = 12;
inline constexpr int PrintOneUp = 13;
inline constexpr int Help = 14;
inline constexpr int Close = 15;
inline constexpr int Caption = 16;
}  // namespace BlankChecksControl

const rt::WindowStructure& blankChecksWindow();

}  // namespace windows::blank_checks
