#pragma once
// "Enter Check Information" for a monthly draft: the check form's layout with the draft day
// and the drafts left at the top, and no client or draft buttons.

#include "checks/check_form_window.h"
#include "runtime/ui/window_structure.h"

namespace windows::draft_form {

namespace DraftFormControl {
using namespace windows::check_form::CheckFormControl;
inline constexpr int DraftDay = 62;
inline constexpr int NumberLeft = 64;
inline constexpr int PayeeAddress = 65;
inline constexpr int PayeeCityStateZip = 66;
}  // namespace DraftFormControl

const rt::WindowStructure& draftFormWindow();

}  // namespace windows::draft_form
