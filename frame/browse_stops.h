#pragma once
// The routines a list uses to spread its 100 scroll stops between the first and the last key
// value of an order. The list engine calls them through this table so that the series
// routines can be supplied by the scroll-stop service; the real series is built in.

#include <functional>
#include <string>
#include <string_view>

struct ScrollStopRoutines {
    // Text keys: low and high key texts, the key field's length, the character classes.
    std::function<void(std::string_view low, std::string_view high, int length, int classes)>
        initString;
    std::function<std::string()> nextString;
    // Numeric keys (numbers and day numbers).
    std::function<void(double low, double high)> initReal;
    std::function<double()> nextReal;
};

// The routines in use; the text pair is empty until SetScrollStopRoutines supplies it, and a
// text order then keeps a plain thumb.
const ScrollStopRoutines& ScrollStopRoutinesInUse();
// Replaces the routines; an empty member keeps the one in use.
void SetScrollStopRoutines(const ScrollStopRoutines& routines);
