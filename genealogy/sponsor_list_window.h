#pragma once
// "Browse the Sponsor File": the distributors, of which the user selects the sponsor of a
// distributor about to be added.

#include "runtime/ui/window_structure.h"

namespace windows::sponsor_list {

namespace SponsorControl {
inline constexpr int Sheet = 1;
inline constexpr int FirstNameTab = 2;
inline constexpr int LastNameTab = 3;
inline constexpr int IdNumberTab = 4;
inline constexpr int SelectTab = 5;
inline constexpr int List = 6;
inline constexpr int FirstNamePrompt = 7;
inline constexpr int FirstNameEntry = 8;
inline constexpr int LastNamePrompt = 9;
inline constexpr int LastNameEntry = 10;
inline constexpr int IdNumberPrompt = 11;
inline constexpr int IdNumberEntry = 12;
inline constexpr int Select = 13;
inline constexpr int Instructions = 14;  // its three lines at 14 ... 16
}  // namespace SponsorControl

const rt::WindowStructure& sponsorWindow();

}  // namespace windows::sponsor_list
