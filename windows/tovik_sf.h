#pragma once
// Module Tovik_SF: the report destination question and its print options, and the calendar.

#include "runtime/ui/window_structure.h"

namespace windows::tovik_sf {

// "Report Destination".
namespace DestinationControl {
inline constexpr int PrinterPrompt = 1;
inline constexpr int PrinterName = 2;
inline constexpr int Destination = 3;  // option box: radios 4 (value 1) and 5 (value 2)
inline constexpr int ViewReport = 4;
inline constexpr int PrintReport = 5;
inline constexpr int Ok = 6;
inline constexpr int Cancel = 7;
inline constexpr int Options = 8;
}  // namespace DestinationControl

// "Print Options" of the destination question.
namespace PrintOptionsControl {
inline constexpr int CopiesGroup = 1;
inline constexpr int CopiesPrompt = 2;
inline constexpr int Copies = 3;  // 1 to 15
inline constexpr int Collate = 4;
inline constexpr int FileGroup = 5;
inline constexpr int PrintToFile = 6;
inline constexpr int FileName = 7;
inline constexpr int FileButton = 8;
inline constexpr int PrinterPrompt = 9;
inline constexpr int PrinterName = 10;
inline constexpr int Ok = 11;
inline constexpr int Cancel = 12;
inline constexpr int Select = 13;
}  // namespace PrintOptionsControl

const rt::WindowStructure& destinationWindow();
const rt::WindowStructure& printOptionsWindow();

// The calendar.
namespace CalendarControl {
inline constexpr int DateFrame = 1;  // the disabled, empty entry behind the date
inline constexpr int CurrentDate = 2;
inline constexpr int FirstHeading = 3;  // "Sun" .. "Sat": 3 .. 9
inline constexpr int HeadingLine = 10;
inline constexpr int FirstRowText = 11;  // rows 1-5: Sunday, Monday-Friday, Saturday; row 6:
                                         // Sunday and Monday (11 .. 27)
inline constexpr int Highlight = 28;
inline constexpr int Grid = 29;  // the region that takes mouse releases
inline constexpr int Ok = 30;
inline constexpr int Cancel = 31;
inline constexpr int Today = 32;
inline constexpr int PreviousMonth = 33;
inline constexpr int NextMonth = 34;
}  // namespace CalendarControl

// The text control of a grid row's part (0 Sunday, 1 Monday to Friday, 2 Saturday).
int calendarRowControl(int row, int part);

// "Calendar": one month as a grid of days.
const rt::WindowStructure& calendarWindow();

}  // namespace windows::tovik_sf
