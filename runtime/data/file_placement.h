#pragma once
// What stands under a record file's name, and putting a newly built file in place. A file is
// built whole under a temporary name in its own folder and then renamed to its name without
// replacing anything there, so that no station ever sees half a file and no file is ever
// replaced by a new one.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt::detail {

enum class NameKind {
    Missing,      // nothing of that name: the only case in which a file is "not found"
    RegularFile,  // a file (or a link to one)
    Unusable,     // a directory, a dangling link, a name that cannot be looked at
};

struct NameCheck {
    NameKind kind = NameKind::Missing;
    int systemError = 0;  // errno behind an unusable name
    std::string reason;   // what is wrong with it, for the error text
};

NameCheck checkName(const std::string& name);

// A whole number of at most 18 decimal digits and nothing else (in temporary names and in
// record positions).
bool parseDigits(std::string_view text, std::int64_t& out);

// A name in the same folder as `name` that no other process uses:
// "<name>.<machine>-<pid>-<n>.creating".
std::string temporaryNameFor(const std::string& name);

// Removes the temporary files of creations of `name` that ended without putting their file
// in place (the station was killed): those whose process on this machine is gone, and any
// older than a day. A creation still running elsewhere keeps its file.
void removeAbandonedTemporaries(const std::string& name);

enum class Placement { Placed, TakenMeanwhile, Failed };

// Renames `from` to `to` unless `to` exists; `systemError` gets errno on failure. The
// folder is synced after a rename, so the new name survives a crash.
Placement placeWithoutReplacing(const std::string& from, const std::string& to, int& systemError);

// Removes a temporary file and its journal, ignoring errors.
void removeTemporary(const std::string& name);

// While nothing has the name, removes a journal left behind by a file of that name that is
// gone: a new file put there would take it for its own and have it played back into it.
void removeOrphanJournal(const std::string& name);

}  // namespace rt::detail
