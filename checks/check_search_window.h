#pragma once
// The check search form: criteria by example in search mode, the check's own form in a
// change (its progress window is windows::progressWindow).

#include "runtime/ui/window_structure.h"

namespace windows::check_search {

namespace CheckSearchControl {
inline constexpr int FirstName = 2;
inline constexpr int CheckNumberPrompt = 3;
inline constexpr int CheckNumber = 4;
inline constexpr int CheckId = 6;
inline constexpr int CheckDate = 8;
inline constexpr int LastName = 10;
inline constexpr int CompanyName = 12;
inline constexpr int AmountPrompt = 13;
inline constexpr int Amount = 14;
inline constexpr int Address = 16;
inline constexpr int City = 18;
inline constexpr int MonthlyAmountPrompt = 19;
inline constexpr int MonthlyAmount = 20;
inline constexpr int State = 22;
inline constexpr int Zip = 24;
inline constexpr int Phone = 26;
inline constexpr int CheckName = 28;
inline constexpr int PayTo = 30;
inline constexpr int CheckMemoPrompt = 31;
inline constexpr int CheckMemo = 32;
inline constexpr int Ok = 33;
inline constexpr int Cancel = 34;
inline constexpr int SearchType = 35;
inline constexpr int BeginSearch = 36;
}  // namespace CheckSearchControl

// "P1$QUICKWINDOW" of the check search.
const rt::WindowStructure& checkSearchWindow();

}  // namespace windows::check_search
