// LevelWalk and UplineSearch: the two walks up the sponsor chain. The level walk raises the
// level counts of the ten sponsors above a new distributor; the up-line search marks the
// twelve sponsors above a distributor with "X" for the up-line list.

#include <string>

#include "frame/codes.h"
#include "frame/use_counts.h"
#include "frame/warnings.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/sponsor_chain.h"
#include "records/mail.h"
#include "runtime/text/decimal.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr int kCountedLevels = 10;
constexpr int kMarkedLevels = 12;

const rt::Field* const kLevelCounts[kCountedLevels] = {&MAI::L1, &MAI::L2, &MAI::L3, &MAI::L4,
                                                       &MAI::L5, &MAI::L6, &MAI::L7, &MAI::L8,
                                                       &MAI::L9, &MAI::L10};

// The largest value a level count holds (DECIMAL(5,2)).
const rt::Decimal& largestCount() {
    static const rt::Decimal largest("999.99");
    return largest;
}

// Raises the count of `level` by one; false when it would pass the largest value, where it
// then stays.
bool raiseLevelCount(int level) {
    const rt::Field& count = *kLevelCounts[level - 1];
    if (count.setNumber(count.number() + rt::Decimal(1))) return true;
    count.setNumber(largestCount());
    return false;
}

}  // namespace

void LevelWalk() {
    UseFile(MAIL);
    if (MAIL.pointer() != 0) {
        bool capped = false;
        const UplineWalk walk = WalkUpline(kCountedLevels, [&capped](int level) {
            if (!raiseLevelCount(level)) capped = true;
        });
        // Told after the walk, once, so that no message waits in the middle of the writes.
        if (walk.writeFailed)
            ShowWarningText(WARN::UpdateOperationError, "MAIL");
        else if (capped)
            rt::message("A level count has reached 999.99, the largest it holds; it stays there.",
                        "Post New Distributor", ICON::Exclamation);
    }
    ReleaseFile(MAIL);
}

void UplineSearch() {
    UseFile(MAIL);
    if (MAIL.pointer() != 0) {
        const UplineWalk walk = WalkUpline(kMarkedLevels, [](int) { MAI::FROMWHAT.setText("X"); });
        if (walk.writeFailed) ShowWarningText(WARN::UpdateOperationError, "MAIL");
    }
    ReleaseFile(MAIL);
}
