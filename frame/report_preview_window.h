#pragma once
// The report preview windows (the full preview and its plain twin with a
// menu bar), their print options, the jump window and the display window.

#include "runtime/ui/window_structure.h"

namespace windows::report_preview {

// "Report Preview" of the full preview: tool bar buttons and spin boxes. The page slots
// are created while the preview runs.
namespace PreviewControl {
inline constexpr int Print = 1;
inline constexpr int Exit = 2;
inline constexpr int Spare = 3;  // a button without an action, hidden
inline constexpr int First = 4;
inline constexpr int Previous = 5;
inline constexpr int Next = 6;
inline constexpr int Last = 7;
inline constexpr int Jump = 8;
inline constexpr int Mark = 9;
inline constexpr int Delete = 10;
inline constexpr int Zoom = 11;
inline constexpr int Display = 12;
inline constexpr int AcrossPrompt = 13;
inline constexpr int Across = 14;
inline constexpr int DownPrompt = 15;
inline constexpr int Down = 16;
inline constexpr int FirstFree = 100;  // numbers of the slots made at run time start here
}  // namespace PreviewControl

// "Report Preview" of the plain preview: menu bar, three tool buttons and three spins.
namespace BasicPreviewControl {
inline constexpr int FileMenu = 1;
inline constexpr int PrintItem = 2;
inline constexpr int ExitItem = 3;
inline constexpr int ViewMenu = 4;
inline constexpr int NextItem = 5;
inline constexpr int PreviousItem = 6;
inline constexpr int JumpItem = 7;
inline constexpr int DisplayItem = 8;
inline constexpr int ZoomMenu = 9;
inline constexpr int NoZoomItem = 10;  // then Page Width, 50%, 75%, 100%, 200%, 300%
inline constexpr int PageWidthItem = 11;
inline constexpr int Zoom300Item = 16;
inline constexpr int Print = 17;
inline constexpr int Exit = 18;
inline constexpr int Zoom = 19;
inline constexpr int PagePrompt = 20;
inline constexpr int Page = 21;
inline constexpr int AcrossPrompt = 22;
inline constexpr int Across = 23;
inline constexpr int DownPrompt = 24;
inline constexpr int Down = 25;
inline constexpr int FirstFree = 100;
}  // namespace BasicPreviewControl

// "Print Options" of the preview: the print range.
namespace RangeControl {
inline constexpr int Range = 1;  // option box: radios 2 to 5 (values 1 to 4)
inline constexpr int AllPages = 2;
inline constexpr int MarkedOnly = 3;
inline constexpr int UnmarkedOnly = 4;
inline constexpr int PageRange = 5;
inline constexpr int FromPrompt = 6;
inline constexpr int From = 7;
inline constexpr int ToPrompt = 8;
inline constexpr int To = 9;
inline constexpr int Ok = 10;
inline constexpr int Cancel = 11;
}  // namespace RangeControl

// "Jump to a Report Page".
namespace JumpControl {
inline constexpr int PagePrompt = 1;
inline constexpr int Page = 2;
inline constexpr int Ok = 3;
inline constexpr int Cancel = 4;
}  // namespace JumpControl

// "Change the Report Display".
namespace DisplayControl {
inline constexpr int Pages = 1;
inline constexpr int AcrossGroup = 2;
inline constexpr int Across = 3;
inline constexpr int DownGroup = 4;
inline constexpr int Down = 5;
inline constexpr int Ok = 6;
}  // namespace DisplayControl

const rt::WindowStructure& previewWindow();
const rt::WindowStructure& basicPreviewWindow();
const rt::WindowStructure& printRangeWindow();
const rt::WindowStructure& jumpWindow();
const rt::WindowStructure& displayWindow();

}  // namespace windows::report_preview
