#pragma once
// "Enter Picture...": one entry for a display picture.

#include "runtime/ui/window_structure.h"

namespace windows::enter_picture {

namespace EnterPictureControl {
inline constexpr int Prompt = 1;
inline constexpr int Picture = 2;
inline constexpr int Ok = 3;
inline constexpr int Cancel = 4;
}  // namespace EnterPictureControl

const rt::WindowStructure& enterPictureWindow();

}  // namespace windows::enter_picture
