#pragma once
// The company-ID search form.

#include "runtime/ui/window_structure.h"

namespace windows::company_id_search {

namespace CompanyIdControl {
inline constexpr int CompanyId = 1;
inline constexpr int SearchType = 2;
inline constexpr int Ok = 3;
inline constexpr int BeginSearch = 4;
inline constexpr int Cancel = 5;
inline constexpr int Instructions = 6;
}  // namespace CompanyIdControl

const rt::WindowStructure& companyIdSearchWindow();

}  // namespace windows::company_id_search
