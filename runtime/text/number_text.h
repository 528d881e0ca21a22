#pragma once
// Numbers read from and written as plain text (a text field used as a number, CSV values).

#include <string>
#include <string_view>

#include "runtime/text/decimal.h"

namespace rt {

// Leading blanks, an optional sign, digits, an optional point and fraction; reading stops at
// the first other character, and text without digits gives 0. So "$12.50" gives 0 and
// "1,234.50" gives 1. Digits beyond 38 significant ones are dropped from the fraction.
Decimal textToNumber(std::string_view text);

// The shortest text of the value: no trailing zeros after the point, no point for whole
// numbers, a leading "-" for negatives, "0" for zero: 12.50 -> "12.5", -3.000 -> "-3".
std::string numberToText(const Decimal& value);

}  // namespace rt
