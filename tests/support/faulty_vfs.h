#pragma once
// A file-system layer for SQLite that makes chosen operations fail, for tests only. While a
// FaultyFileSystem object lives it is SQLite's default file system: every connection opened
// then goes through it to the real one, except for the faults injected. Connections opened
// under it must be closed before it goes.

#include <string>

namespace testsupport {

enum class FaultOp {
    Open,    // opening a file (the record file, its journal, a temporary one)
    Read,    // reading from a file
    Write,   // writing to a file
    Sync,    // flushing a file to the disk
    Commit,  // deleting the journal: the moment a transaction commits
};

struct Fault {
    FaultOp op = FaultOp::Read;
    std::string nameEnd;  // the faults hit files whose path ends so ("" for every file)
    int sqliteCode = 0;   // what the failing call answers (SQLITE_IOERR_READ, SQLITE_FULL...)
    int systemError = 0;  // the errno that SQLite is told (EIO, EACCES, EMFILE, ENOSPC...)
    int after = 0;        // so many matching calls succeed first
    int times = -1;       // then so many fail (-1: every one from then on)
};

class FaultyFileSystem {
  public:
    FaultyFileSystem();
    ~FaultyFileSystem();
    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

    void inject(const Fault& fault);  // replaces the fault of that operation
    void clear();                     // no faults any more
    int failures() const;             // calls made to fail so far
    // Calls of `op` that the fault injected for it matched since, let through or failed: a
    // fault that never fails (after a very large number) counts the calls a step makes.
    int calls(FaultOp op) const;
};

}  // namespace testsupport
