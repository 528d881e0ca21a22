#pragma once
// "Help": the titles of the help topics.

#include "runtime/ui/window_structure.h"

namespace windows::help_list {

namespace HelpListControl {
inline constexpr int View = 1;
inline constexpr int Locator = 3;
inline constexpr int List = 4;
inline constexpr int Insert = 5;
inline constexpr int Delete = 6;
inline constexpr int Sheet = 7;
inline constexpr int Tab = 8;
inline constexpr int Hint = 9;
inline constexpr int Close = 10;
inline constexpr int PrintManual = 11;
}  // namespace HelpListControl

const rt::WindowStructure& helpListWindow();

}  // namespace windows::help_list
