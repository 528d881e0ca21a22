#pragma once
// The small windows of query by example.

#include "runtime/ui/window_structure.h"

namespace windows::search_by_example {

namespace MatchTypeControl {
inline constexpr int Group = 1;
inline constexpr int FirstRadio = 2;  // type t is radio 2 + t
inline constexpr int Ok = 20;
inline constexpr int Cancel = 21;
}  // namespace MatchTypeControl

namespace UpperLimitControl {
inline constexpr int LowerPrompt = 1;
inline constexpr int Lower = 2;
inline constexpr int UpperPrompt = 3;
inline constexpr int Upper = 4;
inline constexpr int Ok = 5;
inline constexpr int Cancel = 6;
}  // namespace UpperLimitControl

namespace BeginSearchControl {
inline constexpr int Icon = 1;
inline constexpr int Question = 2;
inline constexpr int Edit = 3;
inline constexpr int Select = 4;
inline constexpr int Unselect = 5;
inline constexpr int Cancel = 6;
}  // namespace BeginSearchControl

// "P1$WINDOW": "Match Type for ...", the eighteen match types as radio buttons.
const rt::WindowStructure& matchTypeWindow();
// "P21$WINDOW": "Enter Upper Limit".
const rt::WindowStructure& upperLimitWindow();
// "P14$WINDOW": "Begin Search".
const rt::WindowStructure& beginSearchWindow();

}  // namespace windows::search_by_example
