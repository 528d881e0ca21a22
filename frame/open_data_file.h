#pragma once
// OpenDataFile: the one way the program opens a record file. It creates a missing file,
// sends "Recover=10" to a locked one and tries again, offers a key rebuild for damaged
// keys, and ends the program after its warning when the file cannot be used. It never
// returns a failure: on return the file is open.

#include <string_view>

#include "runtime/data/record_file.h"

void OpenDataFile(rt::RecordFile& file, int access = rt::ACCESS::ReadWriteDenyNone);

// A read of an open file met damaged keys (error 46): asks, as the open does, whether to
// rebuild them (No ends the program) and rebuilds them; a rebuild that fails ends the
// program after its warning.
void OfferKeyRebuild(rt::RecordFile& file);

// The record operations OpenDataFile uses, so that tests can make them fail. Each one
// answers 0 or an error code and leaves the thread's last error set as the real one does.
class FileOpenOperations {
  public:
    virtual ~FileOpenOperations() = default;
    virtual int open(rt::RecordFile& file, int access) { return file.open(access); }
    virtual int create(rt::RecordFile& file) { return file.create(); }
    virtual int send(rt::RecordFile& file, std::string_view command) { return file.send(command); }
    virtual int build(rt::RecordFile& file) { return file.build(); }
};

// Replaces the operations (nullptr: the real ones again).
void SetFileOpenOperations(FileOpenOperations* operations);
