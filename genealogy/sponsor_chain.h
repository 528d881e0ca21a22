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
    bool writeFailed = false;  // a write could not be made; nothing was written
};

// Walks up to `levels` sponsors above the contact in the MAIL buffer (which must be the
// file's current record) and writes each one after `change(level)` (level 1 for the nearest
// sponsor) has changed it in the buffer. The walk is one transaction: every sponsor it
// reaches is written, or (a write or the commit fails, the station dies) none is; the error
// is then kept for the warning. Inside it no other station can change a sponsor between its
// read and its write. The walk stops at the first missing sponsor. Afterwards the buffer
// holds the starting contact again, as it is in the file.
UplineWalk WalkUpline(int levels, const std::function<void(int level)>& change);
