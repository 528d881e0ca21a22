#pragma once
// The claims of the check and draft print runs (frame/print_claims.h): how checks are named
// in their messages.

#include <string>

#include "frame/print_claims.h"

inline ClaimWords checkClaimWords() {
    return {"checks", "Check Printing"};
}

// The check in the CHECKS buffer as a message names it: its number and payee.
std::string checkLabel();

// Puts back the claims of check and draft runs that no longer exist (CHECKS open).
void PutBackAbandonedCheckClaims();
