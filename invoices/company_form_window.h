#pragma once
// "Enter Your Company Name": one own company.

#include "runtime/ui/window_structure.h"

namespace windows::company_form {

namespace CompanyFormControl {
inline constexpr int CompanyName = 1;
inline constexpr int Address = 3;
inline constexpr int CityStateZip = 5;
inline constexpr int Phone = 7;
inline constexpr int Fax = 9;
inline constexpr int SalesTax = 11;
inline constexpr int RateHint = 13;
inline constexpr int Ok = 15;
inline constexpr int Cancel = 16;
}  // namespace CompanyFormControl

const rt::WindowStructure& companyFormWindow();

}  // namespace windows::company_form
