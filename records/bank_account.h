#pragma once
// The account number printed in a check's bank line: the on-us field holds at most 18 of its
// characters, so a longer one is refused wherever it is typed or imported.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace records {

inline constexpr std::size_t kBankLineAccountLength = 18;

// Whether an account number (trailing blanks aside) fits the bank line.
bool accountNumberFits(std::string_view account);

// The message that refuses an account number too long for the bank line.
std::string accountNumberRefusal();

// For a text stored into the field `fieldName` ("MAI:ACCOUNTNUMBER", "CHE:ACCOUNTNUMBER",
// "CHE1:ACCOUNTNUMBER", any case): why it is refused, or nothing when it may be stored.
std::optional<std::string> refusedAccountNumber(std::string_view fieldName, std::string_view text);

}  // namespace records
