#pragma once
// The claims of the check and draft print runs (frame/print_claims.h): how checks and drafts
// are named in their messages, and the one way both runs claim a record of CHECKS before its
// page is made.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/print_claims.h"

ClaimWords checkClaimWords();
ClaimWords draftClaimWords();

// The check in the CHECKS buffer as a message names it: its number and payee.
std::string checkLabel();
// The draft in the CHECKS buffer as a message names it: its client and number.
std::string draftLabel();

// Puts back the claims of check and draft runs that no longer exist (CHECKS open).
void PutBackAbandonedCheckClaims();

// The claims of one check or draft run over CHECKS. Each record is read again, judged as it
// is now, changed, noted and written guarded against another station's write in between (and
// read again after one), so that two stations never print the same record.
class CheckRunClaims {
  public:
    explicit CheckRunClaims(ClaimWords words);

    enum class Verdict { Claim, PrintUnclaimed, PassOver };
    enum class Outcome { Claimed, PrintUnclaimed, PassedOver, Failed };

    // A kind whose claim leaves no mark the other runs can tell (a numbered draft looks like
    // any draft) remembers, as its run begins, the claimed `fields` of every record of CHECKS
    // that `mayClaim` takes, then which records the runs still going hold. Such a run claims
    // only the records it remembered, and passes over as claimed by another run those held
    // then and those whose claimed fields changed since.
    void rememberAsFound(const std::vector<const rt::Field*>& fields,
                         const std::function<bool()>& mayClaim);

    // Claims the record at the buffer's place: `verdict` judges it as read again, `change`
    // makes the claim in the buffer. On Failed, failure() says why when the note could not be
    // kept (empty when the write failed).
    Outcome claim(const std::function<Verdict()>& verdict, const std::function<void()>& change);
    const std::string& failure() const { return failure_; }

    // The page the record claimed last printed on.
    void placeLast(int page);
    bool notePaper(const PrintRun& planned, const std::string& temporaryFile) {
        return claims_.notePaper(planned, temporaryFile);
    }
    PutBack settle(const PrintRun& run) { return claims_.settle(run); }

  private:
    std::vector<std::string> claimedTexts() const;
    bool claimedElsewhere(std::int64_t pointer) const;

    ClaimWords words_;
    PrintClaims claims_;
    std::string failure_;
    bool lastClaimed_ = false;
    // The claimed fields of the records as the run found them, when remembered.
    bool remembering_ = false;
    std::vector<const rt::Field*> fields_;
    std::map<std::int64_t, std::vector<std::string>> found_;
    std::set<std::int64_t> heldElsewhere_;
};
