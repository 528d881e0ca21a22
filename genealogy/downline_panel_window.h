#pragma once
// The downline panel: the narrow tool window of the genealogy's buttons.

#include "runtime/ui/window_structure.h"

namespace windows::downline_panel {

namespace PanelControl {
inline constexpr int Sponsor = 1;
inline constexpr int DownlineOnScreen = 2;
inline constexpr int SearchUpline = 3;
inline constexpr int ViewUpline = 4;
inline constexpr int ClearViewAbove = 5;
inline constexpr int Close = 6;
}  // namespace PanelControl

const rt::WindowStructure& panelWindow();

}  // namespace windows::downline_panel
