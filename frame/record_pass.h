#pragma once
// The one pass of every report and batch process: a view over one record file in one key
// order under a filter, driven by the timer of a progress window that shows "% Completed"
// and offers Cancel. Each timer event handles one batch (25 records unless the sheet says
// otherwise), so the window repaints and Cancel is heard between batches. The file is in
// QUICKSCAN mode for the whole pass.
//
// A report or process is a class derived from ReportPass or ProcessPass (record_report.h,
// record_process.h) that states its sheet (PassSheet) and overrides the hooks of its own
// logic; this class does the rest.
//
// Response: RESP::Completed only when the pass ran to its end (the record test or the end of
// the view); RESP::Cancelled when it was cancelled, found nothing to take, or stopped on a
// read or write error (after its warning).

#include <string>
#include <string_view>
#include <vector>

#include "frame/procedure.h"
#include "runtime/data/view.h"

namespace VERDICT {
inline constexpr int Take = 0;
inline constexpr int End = 1;
inline constexpr int Skip = 2;
}  // namespace VERDICT

// What a report's or process's sheet states about its pass.
struct PassSheet {
    rt::RecordFile* file = nullptr;  // the file the view walks
    std::string key;                 // its key order by name; empty: the file's record order
    std::string filter;              // the view's filter over the BIND names; blank: none
    std::string displayName;         // the file's name in the read-error warning
    // The divisor of the percentage; 0: RECORDS of the file at the start (BYTES of the file
    // in the byte-counting variant).
    long expectedRecords = 0;
    long batchSize = 25;
    // The byte-counting variant: progress (and a process's batch) counts the bytes of the
    // records read instead of the records.
    bool countBytes = false;
};

class RecordPass : public Procedure {
  public:
    // The pass's locals, readable by the sheet's own logic.
    struct PassState {
        long ExpectedRecords = 0;
        long BatchSize = 25;
        long RecordsDone = 0;
        long BatchCount = 0;
        long PercentDone = 0;
        long ProgressShown = 0;
    };

  protected:
    // `module` names the progress window's module ("Tovik031"); `files` are the
    // procedure's record files in their opening order, the sheet's file among them.
    RecordPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet);

    // --- the sheet's own logic ---
    // The record test for the record just read into the buffer (the default takes all).
    virtual int recordVerdict() { return VERDICT::Take; }
    // Before the pass, with the files open and the progress window not yet shown.
    virtual void beforePass() {}
    // After the pass and a report's output, with the files still open.
    virtual void afterPass() {}

    // --- services for the sheet and the engines ---
    rt::View& view() { return view_; }
    const PassSheet& sheet() const { return sheet_; }
    PassState PASS;

    // How the pass ended, for the engines.
    enum class Outcome { Running, Complete, Cancelled, ReadFailed, WriteFailed };
    Outcome outcome() const { return outcome_; }

    // Hooks of the two engines.
    virtual bool isReport() const = 0;
    virtual void firstRecordFound() = 0;  // the first record to take is in the buffer
    virtual void batch() = 0;             // one timer event's work
    virtual void passEnded() = 0;         // after QUICKSCAN=off, while the files are open
    virtual std::string headingText() const { return {}; }  // control 2 of the window
    // The progress window's title.
    virtual std::string progressTitle() const {
        return isReport() ? "Generating Report" : "Processing Records";
    }

    // Reads on to the next record to take or to the end; answers VERDICT::Take or End.
    // A read error other than 33 shows warning 35 and ends the pass as failed.
    int readForward();
    // The pass has ended: the outcome is kept and the progress window is asked to close.
    void endPass(Outcome outcome);

    bool takesRequestAtEntry() const final { return false; }
    void setUpRecords() final;
    void setUpWindow() final;
    bool takeEvent() final;

  private:
    void openView();
    void showPercent();
    void atClose();

    PassSheet sheet_;
    rt::View view_;
    Outcome outcome_ = Outcome::Running;
    bool quickScan_ = false;
    bool closed_ = false;
};
