#pragma once
// Adds records in groups, one transaction each: a group ends after 1000 records or a second
// after it began, whichever comes first, and whenever commit() is called. A large import then
// waits for the disk once per group instead of after every record, and other stations see
// the new records within a second. When the file cannot be taken for a transaction, each
// record is added on its own. The records added are remembered, so that an import that
// cannot go on can take its adds back.

#include <chrono>
#include <cstdint>
#include <vector>

#include "runtime/data/record_file.h"

class GroupedAdds {
  public:
    explicit GroupedAdds(rt::RecordFile& file) : file_(file) {}
    ~GroupedAdds() { commit(); }
    GroupedAdds(const GroupedAdds&) = delete;
    GroupedAdds& operator=(const GroupedAdds&) = delete;

    // ADD of the record in the buffer, inside the current group; answers ADD's error code.
    int add(long tag = 0);
    // Ends the current group: its records are kept.
    void commit();
    // Ends it when it has run for its second (before the program waits for the next event).
    void commitIfDue();
    // Takes back every record added: the current group is rolled back, the records of ended
    // groups are deleted. Answers the `tags` (given at their add) of those that could not be
    // deleted (another station deleted them meanwhile, or the file refused the deletes).
    std::vector<long> undo();

  private:
    rt::RecordFile& file_;
    bool open_ = false;
    int count_ = 0;
    std::chrono::steady_clock::time_point started_;
    struct Added {
        std::int64_t pointer;
        long tag;
    };
    std::vector<Added> kept_;     // committed
    std::vector<Added> pending_;  // in the open group
};
