#pragma once
// "Monthly Draft Information": the clients with a draft day, from which the check form posts
// a monthly draft.

#include "runtime/ui/window_structure.h"

namespace windows::draft_client_selection {

namespace DraftClientControl {
inline constexpr int List = 1;
inline constexpr int Sheet = 2;
inline constexpr int FirstTab = 3;      // 3 .. 8
inline constexpr int FirstLocator = 9;  // 9 .. 14
inline constexpr int FirstPrompt = 15;  // 15 .. 20
inline constexpr int Select = 21;
inline constexpr int Close = 22;
inline constexpr int Insert = 23;
}  // namespace DraftClientControl

const rt::WindowStructure& draftClientWindow();

}  // namespace windows::draft_client_selection
