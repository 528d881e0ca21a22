#pragma once
// The calendar: one month as a grid of days.

#include "runtime/ui/window_structure.h"

namespace windows::calendar {

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

}  // namespace windows::calendar
