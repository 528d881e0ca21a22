#pragma once
// The intro window.

#include "runtime/ui/window_structure.h"

namespace windows::intro {

// Control numbers of the intro window.
namespace IntroControl {
inline constexpr int ProductName = 1;  // bound to PLF:PRODUCTNAME
inline constexpr int Underline = 2;
}  // namespace IntroControl

// "P1$WINDOW": the frameless greeting with the product name.
const rt::WindowStructure& introWindowStructure();

}  // namespace windows::intro
