#include "checks/check_claims.h"

#include "records/checks.h"
#include "runtime/text/fixed_text.h"

std::string checkLabel() {
    std::string label(rt::clip(CHE::CHECKNUMBER.text()));
    const std::string payTo(rt::clip(CHE::PAYTO.text()));
    if (!payTo.empty()) label += " (" + payTo + ")";
    return label.empty() ? "without a number" : label;
}

void PutBackAbandonedCheckClaims() {
    PutBackAbandonedClaims(CHECKS, checkClaimWords());
}
