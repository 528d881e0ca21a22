#include "checks/check_claims.h"

#include "records/checks.h"
#include "runtime/data/errors.h"
#include "runtime/text/fixed_text.h"

ClaimWords checkClaimWords() {
    return {"checks", "Check Printing", checkLabel};
}

ClaimWords draftClaimWords() {
    return {"drafts", "Draft Printing", draftLabel};
}

std::string checkLabel() {
    std::string label(rt::clip(CHE::CHECKNUMBER.text()));
    const std::string payTo(rt::clip(CHE::PAYTO.text()));
    if (!payTo.empty()) label += " (" + payTo + ")";
    return label.empty() ? "without a number" : label;
}

std::string draftLabel() {
    std::string client(rt::clip(CHE::FIRSTNAME.text()));
    const std::string last(rt::clip(CHE::LASTNAME.text()));
    if (!client.empty() && !last.empty()) client += " ";
    client += last;
    if (client.empty()) client = "A client without a name";
    const std::string number(rt::clip(CHE::CHECKNUMBER.text()));
    return client + (number.empty() ? " (without a number)" : " (number " + number + ")");
}

void PutBackAbandonedCheckClaims() {
    PutBackAbandonedClaims(CHECKS, {checkClaimWords(), draftClaimWords()});
}

CheckRunClaims::CheckRunClaims(ClaimWords words)
    : words_(std::move(words)), claims_(CHECKS, words_) {}

std::vector<std::string> CheckRunClaims::claimedTexts() const {
    std::vector<std::string> texts;
    for (const rt::Field* f : fields_)
        texts.push_back(f->text());
    return texts;
}

void CheckRunClaims::rememberAsFound(const std::vector<const rt::Field*>& fields,
                                     const std::function<bool()>& mayClaim) {
    remembering_ = true;
    fields_ = fields;
    const rt::RecordBuffer saved = CHECKS.buf();
    if (CHECKS.set(CHE::KEYCHECKID) == 0)
        while (CHECKS.next() == 0)
            if (mayClaim()) found_[CHECKS.pointer()] = claimedTexts();
    CHECKS.buf() = saved;
    // Read after the records: a run that claimed one before it was remembered had noted it.
    heldElsewhere_ = claims_.claimedByOtherRuns();
}

bool CheckRunClaims::claimedElsewhere(std::int64_t pointer) const {
    if (!remembering_) return false;
    const auto found = found_.find(pointer);
    return found == found_.end() || heldElsewhere_.count(pointer) ||
           found->second != claimedTexts();
}

CheckRunClaims::Outcome CheckRunClaims::claim(const std::function<Verdict()>& verdict,
                                              const std::function<void()>& change) {
    constexpr long kAttempts = 3;
    lastClaimed_ = false;
    failure_.clear();
    const std::int64_t pointer = CHECKS.pointer();
    for (long attempt = 0; attempt < kAttempts; ++attempt) {
        const int read = CHECKS.getPointer(pointer);
        if (read == rt::FileError::EntryNotFound) return Outcome::PassedOver;  // deleted
        if (read == rt::FileError::FileLocked) continue;
        if (read != 0) return Outcome::Failed;
        if (claimedElsewhere(pointer)) return Outcome::PassedOver;
        switch (verdict()) {
            case Verdict::PassOver:
                return Outcome::PassedOver;
            case Verdict::PrintUnclaimed:
                return Outcome::PrintUnclaimed;
            case Verdict::Claim:
                break;
        }
        const rt::RecordBuffer before = CHECKS.buf();
        change();
        if (!claims_.note(before, words_.label())) {
            failure_ = claims_.lastError();
            return Outcome::Failed;
        }
        const int error = CHECKS.put();
        if (error == 0) {
            lastClaimed_ = true;
            return Outcome::Claimed;
        }
        claims_.withdraw();
        // Another station's change or its write in progress: read the record again.
        if (error != rt::FileError::RecordChanged && error != rt::FileError::FileLocked) break;
    }
    return Outcome::Failed;
}

void CheckRunClaims::placeLast(int page) {
    if (lastClaimed_) claims_.placeLast(page);
}
