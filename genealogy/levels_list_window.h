#pragma once
// "Browse the Levels File": the distributors in level order, with the highlighted one's
// company code and ten level counts under the list.

#include "runtime/ui/window_structure.h"

namespace windows::levels_list {

namespace LevelsControl {
inline constexpr int Sheet = 1;
inline constexpr int LevelsTab = 2;
inline constexpr int LevelPrompt = 3;
inline constexpr int LevelEntry = 4;
inline constexpr int List = 5;
inline constexpr int CompanyIdCaption = 6;
inline constexpr int CompanyId = 7;
inline constexpr int CountsCaption = 8;
inline constexpr int FirstCount = 9;  // MAI:L1 ... MAI:L10 at 9 ... 18
inline constexpr int GenealogyCaption = 19;
inline constexpr int Search = 20;
inline constexpr int Dial = 21;
inline constexpr int ShowTagged = 22;
inline constexpr int PrintGenealogy = 23;
inline constexpr int Help = 24;
inline constexpr int Close = 25;
inline constexpr int Insert = 26;
inline constexpr int Change = 27;
inline constexpr int Delete = 28;
inline constexpr int TagAll = 29;
inline constexpr int UntagAll = 30;
inline constexpr int FirstLevelNumber = 31;  // the captions 1 ... 10 at 31 ... 40
}  // namespace LevelsControl

const rt::WindowStructure& levelsWindow();

}  // namespace windows::levels_list
