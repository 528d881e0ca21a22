#pragma once
// "Enter Last Check Number Used": the number the blank checks are numbered after.

#include "runtime/ui/window_structure.h"

namespace windows::last_check_number {

namespace LastNumberControl {
inline constexpr int Prompt = 1;
inline constexpr int Number = 2;
inline constexpr int Ok = 3;
}  // namespace LastNumberControl

const rt::WindowStructure& lastCheckNumberWindow();

}  // namespace windows::last_check_number
