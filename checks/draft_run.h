#pragma once
// The draft run: the tagged drafts printed with consecutive check numbers. GLO::LastCheckNumber
// holds the last check number used; a run proposes the next one and leaves the global at the
// last number it printed.

#include <optional>
#include <string>
#include <string_view>

namespace draft_run {

// Check numbers are digit texts: they count on with the leading zeros they were typed with
// (00123, 00124), and grow a digit only when the count needs it (099, 100).
std::string advancedNumber(std::string_view digits, long by);

// The number after GLO::LastCheckNumber, as text; empty when nothing is known yet or it would
// not fit the field.
std::string proposedStartingNumber();

// The starting number read from what was typed: the digits of a positive whole number, as
// typed, or an explanation of why it is refused.
struct StartingNumber {
    std::optional<std::string> number;
    std::string refusal;
};
StartingNumber readStartingNumber(std::string_view typed);

// Why a run of the tagged drafts from `first` cannot start (its last number would not fit
// the field); empty when it can.
std::string runRefusal(const std::string& first);

// Prints the tagged drafts numbered from `first`; refuses a run whose last number would not
// fit the field.
void printDraftsFrom(const std::string& first);

}  // namespace draft_run
