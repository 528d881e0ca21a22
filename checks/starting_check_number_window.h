#pragma once
// The starting check number of a draft run: one entry, "Continue" and "Cancel".

#include "runtime/ui/window_structure.h"

namespace windows::starting_check_number {

namespace StartingNumberControl {
inline constexpr int Prompt = 1;
inline constexpr int Number = 2;
inline constexpr int Continue = 3;
inline constexpr int Cancel = 4;
}  // namespace StartingNumberControl

const rt::WindowStructure& startingCheckNumberWindow();

}  // namespace windows::starting_check_number
