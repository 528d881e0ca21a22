#pragma once
// The batch-process engine: the pass of RecordPass writing each record taken. No question,
// no report; the progress window is titled "Processing Records" and control 2 shows the
// process's own line.
//
//   class ClearThingCountsProcess : public ProcessPass {
//     public:
//       ClearThingCountsProcess() : ProcessPass("Tovik999", {&things}, sheet(), {}) {}
//     protected:
//       void assignFields() override { count.setInteger(0); }
//   };
//   void ClearThingCounts() { ClearThingCountsProcess().run(); }
//
// Each record taken is written in a short transaction of its own: the pass lets go of its
// read, waits for other stations like any write, reads the record again, and when it still
// passes the filter assigns the fields on that version and writes it; the walk then goes on
// from its key. So another station's change made meanwhile is kept, and the pass's change is
// still made once. A record another station deleted or changed out of the filter is left.
// A write that fails shows warning 31 ("Process:View" with "Put" or "Delete", quoting the
// error that happened) and ends the pass at once: the records before it stay written, the
// rest are untouched, and the answer is RESP::Cancelled.

#include <string>

#include "frame/record_pass.h"

enum class ProcessWrite {
    Put,     // rewrites the record with the fields assigned
    Delete,  // deletes the record
};

struct ProcessOptions {
    ProcessWrite write = ProcessWrite::Put;
    std::string heading;  // control 2 of the progress window
};

class ProcessPass : public RecordPass {
  protected:
    ProcessPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet,
                ProcessOptions options = {});

    // The fields assigned to the record in the buffer (as read again) before it is written.
    virtual void assignFields() {}
    // After the record was written (counters that follow the records written).
    virtual void afterWrite() {}

    void beforeSetUp() override;

  private:
    bool isReport() const final { return false; }
    void firstRecordFound() final {}
    void batch() final;
    void passEnded() final {}
    std::string headingText() const final { return options_.heading; }
    // 0 when the record was written or left; else the error, its warnings shown.
    int write();

    ProcessOptions options_;
};
