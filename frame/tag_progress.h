#pragma once
// The progress windows of counting and clearing tags (module S_TAG): a bar from 0 to 100, two
// lines of text and a "Cancel" button, with a timer every hundredth of a second that drives
// the work in small steps.

#include <functional>
#include <string_view>

#include "runtime/ui/window.h"
#include "runtime/ui/window_structure.h"

namespace TagProgress {
inline constexpr int Bar = 1;
inline constexpr int FirstLine = 2;
inline constexpr int SecondLine = 3;
inline constexpr int Cancel = 4;
}  // namespace TagProgress

// "P9$PROGRESSWINDOW": counting (its "Cancel" is hidden).
const rt::WindowStructure& tagCountingWindow();
// "P4$PROGRESSWINDOW": clearing.
const rt::WindowStructure& tagClearingWindow();

// Opens `structure` with `firstLine` and runs `step` on every timer event until it answers true
// (the work is done). With `cancellable`, "Cancel" or a close request stops the work and the
// answer is false; otherwise "Cancel" is hidden and close requests are refused.
bool RunTagProgress(const rt::WindowStructure& structure, std::string_view firstLine,
                    bool cancellable, const std::function<bool(rt::Window&)>& step);
