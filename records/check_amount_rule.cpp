#include "records/check_amount_rule.h"

#include "runtime/text/ascii_case.h"
#include "runtime/text/number_text.h"

namespace records {

std::optional<std::string> checkAmountRefusal(std::string_view field, const rt::Decimal& amount) {
    const bool checkAmount = rt::equalNoCaseAscii(field, "CHE:AMOUNT") ||
                             rt::equalNoCaseAscii(field, "CHE:MONTHLYAMOUNT");
    if (!checkAmount || !amount.isNegative()) return std::nullopt;
    return rt::numberToText(amount) + " is below 0.00, the lowest check amount";
}

}  // namespace records
