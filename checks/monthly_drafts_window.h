#pragma once
// "Print Monthly Drafts": the drafts, tagged and printed with consecutive check numbers.

#include "runtime/ui/window_structure.h"

namespace windows::monthly_drafts {

namespace DraftsControl {
inline constexpr int List = 1;
inline constexpr int Sheet = 2;
inline constexpr int FirstTab = 3;             // tabs 3 .. 8, one per order
inline constexpr int FirstLocator = 9;         // locator entries 9 .. 14
inline constexpr int FirstLocatorPrompt = 15;  // 15 .. 20
inline constexpr int PrintChecks = 21;
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
inline constexpr int TotalPrompt = 35;
inline constexpr int Total = 36;
inline constexpr int Hint = 37;
inline constexpr int Caption = 38;
}  // namespace DraftsControl

const rt::WindowStructure& monthlyDraftsWindow();

}  // namespace windows::monthly_drafts
