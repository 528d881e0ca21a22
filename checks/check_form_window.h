#pragma once
// "Enter Check Information": the check form, laid out like a check.

#include "runtime/ui/window_structure.h"

namespace windows::check_form {

namespace CheckFormControl {
inline constexpr int FirstName = 2;
inline constexpr int LastName = 3;
inline constexpr int Phone = 5;
inline constexpr int CheckId = 7;
inline constexpr int CheckName = 9;
inline constexpr int Address = 10;
inline constexpr int City = 11;
inline constexpr int State = 12;
inline constexpr int Zip = 13;
inline constexpr int FedNumber1 = 15;
inline constexpr int FedNumber2 = 16;
inline constexpr int CheckNumber = 18;
inline constexpr int CheckDate = 20;
inline constexpr int PayTo = 22;
inline constexpr int MonthlyAmount = 24;
inline constexpr int Amount = 26;
inline constexpr int Funds = 29;
inline constexpr int BankName = 31;
inline constexpr int BankAddress = 32;
inline constexpr int BankCityStateZip = 33;
inline constexpr int CheckMemo = 35;
inline constexpr int TransitSign = 36;
inline constexpr int Transit = 38;
inline constexpr int OnUsSign = 39;
inline constexpr int AccountNumber = 41;
inline constexpr int Done = 43;
inline constexpr int DraftsLeft = 45;
inline constexpr int SelectClient = 46;
inline constexpr int PostMonthlyDraft = 47;
inline constexpr int Ok = 48;
inline constexpr int Cancel = 49;
inline constexpr int Help = 50;
}  // namespace CheckFormControl

const rt::WindowStructure& checkFormWindow();

}  // namespace windows::check_form
