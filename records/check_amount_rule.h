#pragma once
// The amounts a check may carry, shared by the check form's pictures and the import: a
// check is never written for a negative amount (it would print "-$****5.00").

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/decimal.h"

namespace records {

// Why `field` ("CHE:AMOUNT", any case) cannot hold `amount`; nothing when it can or when the
// field is no check amount.
std::optional<std::string> checkAmountRefusal(std::string_view field, const rt::Decimal& amount);

}  // namespace records
