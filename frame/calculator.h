#pragma once
// ShowCalculator: the shared pocket calculator window.

#include <string>
#include <string_view>

// Shows the calculator and answers the number in its display when it closes (0 when the
// display is blank). The caption replaces the title "Calculator" when `keepTitle` is 0 and
// the caption is not blank; `start` is shown at opening unless `blankDisplay` is set or it
// is 0.
double ShowCalculator(std::string_view caption, int keepTitle, double start, int blankDisplay);
// The same, answering the display's text as it stands at closing (blank when the user left
// it blank), for a caller that takes the number exactly (CalculatorDecimal).
std::string ShowCalculatorDisplay(std::string_view caption, int keepTitle, double start,
                                  int blankDisplay);
