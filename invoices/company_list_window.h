#pragma once
// "Add Your Company Name": the list of the user's own companies.

#include "runtime/ui/window_structure.h"

namespace windows::company_list {

namespace CompanyListControl {
inline constexpr int List = 1;
inline constexpr int ButtonPanel = 2;
inline constexpr int Add = 3;
inline constexpr int Open = 4;
inline constexpr int Delete = 5;
inline constexpr int Close = 6;
}  // namespace CompanyListControl

const rt::WindowStructure& companyListWindow();

}  // namespace windows::company_list
