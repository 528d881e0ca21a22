#pragma once
// The progress window that every report and batch process module declares alike: a bar,
// two centred texts and Cancel, driven by a timer of one hundredth of a second.

#include <string_view>

#include "runtime/ui/window_structure.h"

namespace windows {

namespace ProgressControl {
inline constexpr int Bar = 1;      // 0..100
inline constexpr int Heading = 2;  // a process's own line; empty in reports
inline constexpr int Percent = 3;  // "  5% Completed"
inline constexpr int Cancel = 4;
}  // namespace ProgressControl

// "ProgressWindow" of `module` ("Tovik031"); the same structure for every module.
const rt::WindowStructure& progressWindow(std::string_view module);

}  // namespace windows
