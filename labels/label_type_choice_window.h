#pragma once
// "Select Type Of Label": mailing labels by last name or zip code, or the shipping label.

#include "runtime/ui/window_structure.h"

namespace windows::label_type_choice {

namespace LabelTypeControl {
inline constexpr int Frame = 1;
inline constexpr int ByLastName = 2;
inline constexpr int ByZip = 3;
inline constexpr int ShippingLabel = 4;
inline constexpr int Close = 5;
}  // namespace LabelTypeControl

const rt::WindowStructure& labelTypeChoiceWindow();

}  // namespace windows::label_type_choice
