#pragma once
// "Select Check Style And Print Check": two style buttons and Close.

#include <string>

#include "runtime/ui/window_structure.h"

namespace windows::check_style {

namespace CheckStyleControl {
inline constexpr int FirstStyle = 1;
inline constexpr int SecondStyle = 2;
inline constexpr int Close = 3;
}  // namespace CheckStyleControl

// The window of one of the three style choices, named `label`, with the two style texts.
rt::WindowStructure styleWindow(const std::string& module, const std::string& label,
                                const std::string& first, const std::string& second);

}  // namespace windows::check_style
