#pragma once
// "Enter Search Criteria": the draft day, searched by example or changed.

#include "runtime/ui/window_structure.h"

namespace windows::draft_search {

namespace DraftSearchControl {
inline constexpr int Panel = 1;
inline constexpr int Prompt = 2;
inline constexpr int DraftDay = 3;
inline constexpr int Ok = 4;
inline constexpr int SearchType = 5;
inline constexpr int BeginSearch = 6;
inline constexpr int Cancel = 7;
}  // namespace DraftSearchControl

const rt::WindowStructure& draftSearchWindow();

}  // namespace windows::draft_search
