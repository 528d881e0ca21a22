#include "records/bank_account.h"

#include "runtime/text/ascii_case.h"
#include "runtime/text/fixed_text.h"

namespace records {

bool accountNumberFits(std::string_view account) {
    return rt::clip(account).size() <= kBankLineAccountLength;
}

std::string accountNumberRefusal() {
    return "The account number is too long for the bank line: it holds at most " +
           std::to_string(kBankLineAccountLength) + " characters.";
}

std::optional<std::string> refusedAccountNumber(std::string_view fieldName, std::string_view text) {
    const std::string name = rt::lowerAscii(fieldName);
    const std::size_t colon = name.find(':');
    if (colon == std::string::npos || name.substr(colon + 1) != "accountnumber" ||
        accountNumberFits(text))
        return std::nullopt;
    return "\"" + std::string(rt::clip(text)) + "\" is longer than the " +
           std::to_string(kBankLineAccountLength) + " characters the bank line holds";
}

}  // namespace records
