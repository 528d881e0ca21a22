#pragma once
// The report engine: the destination question first (or none, with the plain preview), then
// the pass of RecordPass printing the detail band once per record taken, then the preview
// or the printer. Pages always go into the report's spool, listed in its preview queue.
//
//   class PrintThingLabelsReport : public ReportPass {
//     public:
//       PrintThingLabelsReport()
//           : ReportPass("Tovik999", {&records::tagFile(), &things}, sheet(), options()) {}
//     protected:
//       ReportStructurePtr makeReport() override {
//           return windows::things::labelReport(...);  // built apart from the window model
//       }
//       int recordVerdict() override { return tagged() ? VERDICT::Take : VERDICT::Skip; }
//       void beforeDetail() override { ... compose the name line ... }
//   };
//   void PrintThingLabels() { PrintThingLabelsReport().run(); }
//
// A destination cancelled ends the report before it takes the request or opens a file:
// GLO::Request is cleared and GLO::Response is RESP::Cancelled.

#include <memory>
#include <string>
#include <vector>

#include "frame/record_pass.h"
#include "frame/report_job.h"
#include "runtime/print/preview_queue.h"

// How a report's run ended, for the procedure that ran it: which pages reached paper (a
// complete file under its name, or a job the print service accepted), or why none did.
struct PrintRun {
    enum class Ending {
        NothingToPrint,          // no record was taken
        CancelledAtDestination,  // nothing was read
        CancelledDuringRun,      // "Cancel" in the progress window
        PreviewClosed,           // the preview was left without printing
        Failed,                  // a page could not be made or printed
        OnPaper,                 // the pages listed went out (after the preview: maybe some)
    };
    Ending ending = Ending::NothingToPrint;
    std::vector<int> pagesOnPaper;  // page indexes, in page order

    bool onPaper(int page) const;
    // Why records whose pages are not on paper did not print, for a message.
    std::string reason() const;
};

struct ReportOptions {
    // Ask: SelectReportDestination first, PreviewReport when the user chose to view.
    // PlainPreview: no question; PreviewReportBasic, which prints all pages or none.
    enum class Destination { Ask, PlainPreview };
    Destination destination = Destination::Ask;
    int detailBand = 0;        // the band printed per record; 0: the structure's first detail
    bool labelLayout = false;  // the detail band keeps its own height whatever it prints
};

class ReportPass : public RecordPass {
  protected:
    ReportPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet,
               ReportOptions options = {});

    // --- the sheet's own logic ---
    // The report structure, with its values bound to the procedure's fields and locals.
    // Build it in a file that does not include the window model (see report_job.h).
    virtual ReportStructurePtr makeReport() = 0;
    // Once, with the first record to print in the buffer, before the report opens.
    virtual void beforeReport() {}
    // Around each detail band: computed texts before it, marks written after it.
    virtual void beforeDetail() {}
    virtual void afterDetail() {}
    // Printing into a file: the document is complete under `temporaryFile` and about to take
    // its name, with the pages of `planned` on it. False keeps it from taking its name.
    virtual bool beforeFileInPlace(const PrintRun& planned, const std::string& temporaryFile) {
        (void)planned, (void)temporaryFile;
        return true;
    }

    // --- services ---
    ReportJob* report() { return report_.get(); }
    // The page holding the detail band printed last (in afterDetail): a page index that
    // printRun() answers for once the run has ended.
    int detailPage() const;
    // How the run ended; complete in afterPass.
    const PrintRun& printRun() const { return run_; }
    long Destination = 1;  // DEST::View, DEST::Print or DEST::Cancel
    rt::PageList PreviewPages;

    void beforeSetUp() override;

  private:
    bool isReport() const final { return true; }
    void firstRecordFound() final;
    void batch() final;
    void passEnded() final;
    bool printDetail();
    void showReportError(const std::string& error);

    ReportOptions options_;
    std::unique_ptr<ReportJob> report_;
    PrintRun run_;
};
