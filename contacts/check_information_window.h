#pragma once
// The client's check information.

#include "runtime/ui/window_structure.h"

namespace windows::check_information {

namespace CheckInfoControl {
inline constexpr int Sheet = 1;
inline constexpr int Page = 2;
inline constexpr int AccountNumber = 27;
inline constexpr int PayTo = 31;
inline constexpr int MonthlyAmount = 39;
inline constexpr int Ok = 60;
}  // namespace CheckInfoControl

const rt::WindowStructure& checkInfoWindow();

}  // namespace windows::check_information
