#pragma once
// The total shown under the checks-to-print and monthly-drafts lists.

#include <functional>
#include <optional>
#include <string>

#include "runtime/text/decimal.h"

// The sum of CHE:AMOUNT over the checks that pass `filter` (empty: every check) and
// `counts` (none: every one), read in check-number order under QUICKSCAN through a view of
// its own, so the list's place and the record buffer are left alone. Nothing when a read
// fails; the thread's last error tells why.
std::optional<rt::Decimal> SumCheckAmounts(const std::string& filter,
                                           const std::function<bool()>& counts = {});
