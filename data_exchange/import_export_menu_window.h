#pragma once
// The menu of import and export buttons.

#include "runtime/ui/window_structure.h"

namespace windows::import_export_menu {

namespace ImportExportMenuControl {
inline constexpr int Panel = 1;
inline constexpr int ImportClients = 2;
inline constexpr int ExportClients = 3;
inline constexpr int Help = 4;
inline constexpr int ExportChecks = 5;
inline constexpr int ImportChecks = 6;
inline constexpr int Close = 7;
}  // namespace ImportExportMenuControl

const rt::WindowStructure& importExportMenuWindow();

}  // namespace windows::import_export_menu
