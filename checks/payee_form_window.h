#pragma once
// "Enter The Pay To Name For Check": the payee form.

#include "runtime/ui/window_structure.h"

namespace windows::payee_form {

namespace PayeeFormControl {
inline constexpr int Caption = 1;
inline constexpr int PayTo = 3;
inline constexpr int Address = 5;
inline constexpr int CityStateZip = 7;
inline constexpr int Ok = 8;
inline constexpr int Cancel = 9;
}  // namespace PayeeFormControl

const rt::WindowStructure& payeeFormWindow();

}  // namespace windows::payee_form
