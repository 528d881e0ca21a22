#pragma once
// The draft run: the tagged drafts printed with consecutive check numbers. GLO::LastCheckNumber
// holds the last check number used; a run proposes the next one and leaves the global at the
// last number it printed.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/decimal.h"

namespace draft_run {

// The number after GLO::LastCheckNumber, as text; empty when it would not fit the field.
std::string proposedStartingNumber();

// The starting number read from what was typed: a positive whole number that fits the field,
// or an explanation of why it is refused.
struct StartingNumber {
    std::optional<rt::Decimal> number;
    std::string refusal;
};
StartingNumber readStartingNumber(std::string_view typed);

// Prints the tagged drafts numbered from `first`; refuses a run whose last number would not
// fit the field.
void printDraftsFrom(const rt::Decimal& first);

}  // namespace draft_run
