#include "genealogy/sponsor_chain.h"

#include <cstdint>
#include <string>

#include "frame/guarded_write.h"
#include "frame/saved_error.h"
#include "records/mail.h"
#include "runtime/data/errors.h"
#include "runtime/data/transaction.h"

namespace {

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Looks up the contact whose identification number is `id` (the first in key order).
bool loadById(const std::string& id) {
    if (isBlank(id)) return false;
    MAI::IDNUMBER.setText(id);
    return MAIL.get(MAI::KEYIDNUMBER) == 0;
}

}  // namespace

bool LoadSponsor() {
    return loadById(MAI::SPONSORID.text());
}

UplineWalk WalkUpline(int levels, const std::function<void(int level)>& change) {
    UplineWalk walk;
    const std::int64_t start = MAIL.pointer();
    if (start == 0) return walk;
    // One transaction for the whole walk: a station that dies midway, or a write that fails,
    // leaves every sponsor as it was, so posting again counts no level twice.
    if (rt::logout(kGuardedWaitSeconds, {&MAIL}) != 0) {
        SaveFileError();
        walk.writeFailed = true;
        MAIL.getPointer(start);
        return walk;
    }
    for (int level = 1; level <= levels; ++level) {
        const std::string id = MAI::SPONSORID.text();
        if (!loadById(id)) break;
        change(level);
        if (MAIL.put() != 0) {
            walk.writeFailed = true;
            break;
        }
        ++walk.levelsWritten;
    }
    if (walk.writeFailed || rt::commit() != 0) {
        SaveFileError();  // keeps the error for the warning and rolls the walk back
        walk.writeFailed = true;
        walk.levelsWritten = 0;
    }
    MAIL.getPointer(start);
    return walk;
}
