#pragma once
// The client selection list "Client Names And Information".

#include "runtime/ui/window_structure.h"

namespace windows::client_selection {

namespace ClientControl {
inline constexpr int Heading = 1;
inline constexpr int List = 2;
inline constexpr int Sheet = 3;
inline constexpr int FirstTab = 4;       // 4 .. 9
inline constexpr int FirstLocator = 10;  // 10 .. 15
inline constexpr int FirstPrompt = 16;   // 16 .. 21
inline constexpr int Select = 22;
inline constexpr int Close = 23;
inline constexpr int Insert = 24;  // hidden and disabled
}  // namespace ClientControl

const rt::WindowStructure& clientWindow();

}  // namespace windows::client_selection
