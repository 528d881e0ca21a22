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
// A write that fails shows warning 31 ("Process:View" with "Put" or "Delete") and ends the
// pass at once: the records before it stay written, the rest are untouched, and the answer
// is RESP::Cancelled.

#include <string>

#include "frame/record_pass.h"

enum class ProcessWrite {
    Put,            // plain PUT of the view's record, no transaction
    GuardedUpdate,  // the file's guarded update, a change by another station told by warning 15
    Delete,         // plain DELETE of the view's record
    // PUT under change detection: a record another station changed since it was read is read
    // again, its fields assigned anew and written again (a few tries), so that the other
    // station's change stays and the pass's own change is still made.
    RetriedPut,
};

struct ProcessOptions {
    ProcessWrite write = ProcessWrite::Put;
    std::string heading;  // control 2 of the progress window
};

class ProcessPass : public RecordPass {
  protected:
    ProcessPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet,
                ProcessOptions options = {});

    // The fields assigned to the record in the buffer before it is written.
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
    int write();
    int retriedPut();

    ProcessOptions options_;
};
