#pragma once
// The sponsor chain above a distributor. A distributor's sponsor is the first contact in
// MAI:KEYIDNUMBER order whose identification number equals its MAI:SPONSORID, without regard
// to case; a blank sponsor ID names no one. There is no stored tree: the chain is followed
// one look-up at a time.

#include <functional>

// Loads the sponsor of the contact in the MAIL buffer: true when one was found (the buffer
// then holds it and it is the current record). False for a blank sponsor ID or one that
// names no contact; the buffer is then no longer a whole record.
bool LoadSponsor();

struct UplineWalk {
    int levelsWritten = 0;     // sponsors written, from the nearest up
    bool writeFailed = false;  // a write could not be made; nothing above it was written
};

// Walks up to `levels` sponsors above the contact in the MAIL buffer (which must be the
// file's current record) and writes each one after `change(level)` (level 1 for the nearest
// sponsor) has changed it in the buffer. Each write is under change detection: when another
// station changed the sponsor since it was read, it is read again and changed anew, so no
// other station's change is overwritten and no raise is lost. The walk stops at the first
// missing sponsor, and nothing is ever written after a failed look-up. Afterwards the buffer
// holds the starting contact again, as it is in the file.
UplineWalk WalkUpline(int levels, const std::function<void(int level)>& change);
