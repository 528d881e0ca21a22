#pragma once
// SelectDate: the shared date picker. Shows one month; the user moves the highlight with
// the arrow and page keys, the arrow buttons and the mouse, and confirms a day.

#include <string_view>

// Answers the chosen day number, or 0 when the user cancelled. The caption replaces the
// title "Calendar" when `keepTitle` is 0 and the caption is not blank; the calendar opens
// on `startDate`, or on today when `openOnToday` is set or `startDate` is 0.
long SelectDate(std::string_view caption, int keepTitle, long startDate, int openOnToday);

// A date field's new value after the calendar: a cancelled calendar (0) leaves the field
// as it was.
long DateAfterCalendar(long chosen, long previous);
