#pragma once
// The up-line list: the distributors marked by the up-line search.

#include "runtime/ui/window_structure.h"

namespace windows::upline_list {

namespace UplineControl {
inline constexpr int Sheet = 1;
inline constexpr int Tab = 2;
inline constexpr int List = 3;
inline constexpr int PrintReport = 4;
inline constexpr int Close = 5;
}  // namespace UplineControl

const rt::WindowStructure& uplineWindow();

}  // namespace windows::upline_list
