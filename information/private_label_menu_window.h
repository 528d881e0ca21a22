#pragma once
// The private-label window of the main menu's alert key.

#include "runtime/ui/window_structure.h"

namespace windows::private_label_menu {

namespace PrivateLabelControl {
inline constexpr int Heading = 2;
inline constexpr int Explanation = 4;
inline constexpr int MakeFile = 6;
inline constexpr int Close = 7;
}  // namespace PrivateLabelControl

const rt::WindowStructure& privateLabelWindow();

}  // namespace windows::private_label_menu
