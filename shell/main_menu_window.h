#pragma once
// The main menu.

#include "runtime/ui/window_structure.h"

namespace windows::main_menu {

// Control numbers of the main menu.
namespace MenuControl {
inline constexpr int InformationMenu = 1;
inline constexpr int InformationItem = 2;
inline constexpr int ExitItem = 4;
inline constexpr int Separator = 5;
inline constexpr int ImportExport = 6;
inline constexpr int BlankChecks = 7;
inline constexpr int Appointments = 8;
inline constexpr int Contacts = 9;
inline constexpr int MonthlyDrafts = 10;
inline constexpr int CheckRegister = 11;
inline constexpr int ChecksToPrint = 12;
inline constexpr int Calculator = 13;
inline constexpr int FileManager = 14;
inline constexpr int Invoices = 15;
inline constexpr int BusinessCards = 16;
inline constexpr int WordProcessor = 17;
inline constexpr int Help = 18;
inline constexpr int AreaCodes = 19;
inline constexpr int ZipCodes = 20;
inline constexpr int Names = 21;
inline constexpr int NoticeRegion = 22;
inline constexpr int ExitButton = 23;
inline constexpr int WebBookmarks = 24;
inline constexpr int Notice = 25;
inline constexpr int Badge = 26;
inline constexpr int ProductName = 27;
inline constexpr int Trademark = 28;
}  // namespace MenuControl

// "P1$MENUWINDOW": the main menu with its menu bar, tool bar and buttons.
const rt::WindowStructure& menuWindow();

}  // namespace windows::main_menu
