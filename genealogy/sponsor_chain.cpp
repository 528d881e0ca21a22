#include "genealogy/sponsor_chain.h"

#include <cstdint>
#include <string>

#include "records/mail.h"
#include "runtime/data/errors.h"

namespace {

// Tries of one sponsor's write while other stations keep changing it.
constexpr int kWriteTries = 50;

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Looks up the contact whose identification number is `id` (the first in key order).
bool loadById(const std::string& id) {
    if (isBlank(id)) return false;
    MAI::IDNUMBER.setText(id);
    return MAIL.get(MAI::KEYIDNUMBER) == 0;
}

// Writes the sponsor `id` after `change`; on another station's change, looks the sponsor up
// again (its record, or even which contact it is, may have changed) and tries anew.
bool writeSponsor(const std::string& id, int level, const std::function<void(int)>& change) {
    for (int attempt = 0; attempt < kWriteTries; ++attempt) {
        if (attempt > 0 && !loadById(id)) return false;
        change(level);
        const int result = MAIL.put();
        if (result == 0) return true;
        if (result != rt::FileError::RecordChanged) return false;
    }
    return false;
}

}  // namespace

bool LoadSponsor() {
    return loadById(MAI::SPONSORID.text());
}

UplineWalk WalkUpline(int levels, const std::function<void(int level)>& change) {
    UplineWalk walk;
    const std::int64_t start = MAIL.pointer();
    if (start == 0) return walk;
    for (int level = 1; level <= levels; ++level) {
        const std::string id = MAI::SPONSORID.text();
        if (!loadById(id)) break;
        if (!writeSponsor(id, level, change)) {
            walk.writeFailed = true;
            break;
        }
        ++walk.levelsWritten;
    }
    MAIL.getPointer(start);
    return walk;
}
