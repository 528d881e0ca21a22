#pragma once
// "Enter Check Information" for a blank check: the payer, the bank, the MICR line and the
// picture printed on the check.

#include "runtime/ui/window_structure.h"

namespace windows::blank_check_form {

namespace BlankFormControl {
inline constexpr int FirstName = 2;
inline constexpr int LastName = 3;
inline constexpr int Phone = 5;
inline constexpr int ImageFileName = 7;
inline constexpr int CheckName = 9;
inline constexpr int Address = 10;
inline constexpr int City = 11;
inline constexpr int State = 12;
inline constexpr int Zip = 13;
inline constexpr int Funds = 15;
inline constexpr int BankName = 17;
inline constexpr int BankAddress = 18;
inline constexpr int BankCityStateZip = 19;
inline constexpr int CheckNumber = 21;
inline constexpr int FedNumber1 = 23;
inline constexpr int FedNumber2 = 24;
inline constexpr int TransitSign = 25;
inline constexpr int Transit = 27;
inline constexpr int OnUsSign = 28;
inline constexpr int AccountNumber = 30;
inline constexpr int Picture = 31;
inline constexpr int ChooseFile = 32;
inline constexpr int SelectClient = 33;
inline constexpr int Ok = 34;
inline constexpr int Cancel = 35;
inline constexpr int Help = 36;
inline constexpr int Caption = 37;
}  // namespace BlankFormControl

// The largest side of the picture on the form, in dialog units.
inline constexpr int kPictureSide = 100;

const rt::WindowStructure& blankCheckFormWindow();

}  // namespace windows::blank_check_form
