#pragma once
// Guarded writes: forms change and delete existing records only through these, each in a
// short transaction over the one file (waiting at most 2 seconds for other stations).

#include "runtime/data/record_file.h"

// How long a guarded write waits for other stations' transactions.
inline constexpr int kGuardedWaitSeconds = 2;

namespace GUARDED {
inline constexpr int Done = 0;
inline constexpr int Failed = 1;            // after its warning
inline constexpr int ChangedElsewhere = 2;  // nothing written; the other version is loaded
}  // namespace GUARDED

// Rewrites the record in the buffer. When another station changed it since it was read,
// writes nothing, tells so (warning 38 with `flag` 1, warning 15 with 0), loads the other
// station's version into the buffer and answers 2.
int GuardedUpdate(rt::RecordFile& file, int flag);

// Deletes the record in the buffer; 0 deleted, 1 failed after its warning, which names the
// file by its display name.
int GuardedDelete(rt::RecordFile& file);
