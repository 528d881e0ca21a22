#pragma once
// The two windows of the "What Else Do I Need?" text: one edits it, one shows it.

#include "runtime/ui/window_structure.h"

namespace windows::what_else_needed {

namespace WhatElseControl {
inline constexpr int Text = 1;  // the text box of both windows
inline constexpr int HiddenOk = 2;
inline constexpr int AddInformation = 3;
inline constexpr int ShowText = 3;
inline constexpr int ShowClose = 4;
}  // namespace WhatElseControl

const rt::WindowStructure& editWhatElseWindow();
const rt::WindowStructure& showWhatElseWindow();

}  // namespace windows::what_else_needed
