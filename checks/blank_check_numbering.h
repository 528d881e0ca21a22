#pragma once
// What makes a last check number unusable for numbering the blank checks.

#include <string>
#include <string_view>

namespace blank_numbers {

// Empty when `lastUsed` (blank counts as 0) is a whole number and the `checks` numbers after
// it fit the check number's field; otherwise the message telling why not.
std::string refusal(std::string_view lastUsed, long checks);

}  // namespace blank_numbers
