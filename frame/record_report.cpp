#include "frame/record_report.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/report_destination.h"
#include "frame/report_preview.h"
#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "runtime/ui/dialogs.h"

ReportPass::ReportPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet,
                       ReportOptions options)
    : RecordPass(module, std::move(files), std::move(sheet)), options_(options) {}

bool PrintRun::onPaper(int page) const {
    return page >= 0 && std::binary_search(pagesOnPaper.begin(), pagesOnPaper.end(), page);
}

std::string PrintRun::reason() const {
    switch (ending) {
        case Ending::CancelledAtDestination:
        case Ending::CancelledDuringRun:
            return "the run was cancelled";
        case Ending::PreviewClosed:
            return "the preview was closed without printing";
        case Ending::Failed:
            return "the printing failed";
        case Ending::OnPaper:
            return "their pages were not printed";
        case Ending::NothingToPrint:
            break;
    }
    return "nothing was printed";
}

int ReportPass::detailPage() const {
    return report_ ? report_->report().pageBeingFilled() : -1;
}

void ReportPass::beforeSetUp() {
    LOC.Response = RESP::Cancelled;
    run_ = PrintRun{};
    rt::printer().unpinDevice();
    if (options_.destination == ReportOptions::Destination::Ask) {
        Destination = SelectReportDestination();
        if (Destination == DEST::Cancel) {
            run_.ending = PrintRun::Ending::CancelledAtDestination;
            // Nothing is opened, read or printed, and no request is left for the next
            // procedure called.
            TakeRequest();
            FinishProcedure();
        }
    }
    TakeRequest();
}

void ReportPass::firstRecordFound() {
    beforeReport();
    report_ = std::make_unique<ReportJob>(makeReport());
    if (options_.detailBand == 0) options_.detailBand = report_->firstDetailBand();
    if (options_.labelLayout) report_->keepBandHeight(options_.detailBand);
    report_->setPreviewQueue(&PreviewPages);
    std::string error;
    if (!report_->open(error)) {
        showReportError(error);
        endPass(Outcome::WriteFailed);
    }
}

bool ReportPass::printDetail() {
    beforeDetail();
    if (!report_->print(options_.detailBand)) {
        showReportError(report_->lastError());
        endPass(Outcome::WriteFailed);
        return false;
    }
    afterDetail();
    return true;
}

void ReportPass::batch() {
    if (!report_ || !report_->isOpen()) return;
    // Only printed records count toward the batch; skipped ones are read on over.
    for (long printed = 0; printed < PASS.BatchSize; ++printed) {
        if (!printDetail()) return;
        if (readForward() == VERDICT::End) {
            endPass(Outcome::Complete);
            return;
        }
    }
}

void ReportPass::passEnded() {
    if (!report_) return;
    window().close();
    // A pass that stopped on a read error still shows or prints what it has made.
    bool output = outcome() == Outcome::Complete || outcome() == Outcome::ReadFailed;
    run_.ending = outcome() == Outcome::Cancelled ? PrintRun::Ending::CancelledDuringRun
                                                  : PrintRun::Ending::Failed;
    if (output && report_->isOpen()) {
        if (!report_->finish()) {
            showReportError(report_->lastError());
            LOC.Response = RESP::Cancelled;
            output = false;
        }
    }
    if (output && report_->isOpen()) {
        run_.ending = PrintRun::Ending::PreviewClosed;
        bool print = true;
        if (options_.destination == ReportOptions::Destination::PlainPreview) {
            PreviewReportBasic(PreviewPages);
            print = GLO::Response == RESP::Completed;
        } else if (Destination == DEST::View) {
            print = PreviewReport(PreviewPages, "", false) == RESP::Completed;
        }
        report_->setPrintPreviewedPages(print);
    }
    const bool printing = report_->report().printPreviewedPages();
    if (printing) {
        PrintRun planned;
        planned.ending = PrintRun::Ending::OnPaper;
        planned.pagesOnPaper = report_->report().indexesOf(PreviewPages.names);
        std::sort(planned.pagesOnPaper.begin(), planned.pagesOnPaper.end());
        rt::printer().setBeforeFileInPlace([this, planned](const std::string& temporary) {
            return beforeFileInPlace(planned, temporary);
        });
    }
    std::string error;
    const bool closed = report_->close(error);
    rt::printer().setBeforeFileInPlace({});
    rt::printer().unpinDevice();
    if (!closed) {
        // Pages that did not print are no completed report.
        showReportError(error);
        LOC.Response = RESP::Cancelled;
        run_.ending = PrintRun::Ending::Failed;
    } else if (printing) {
        run_.ending = PrintRun::Ending::OnPaper;
        run_.pagesOnPaper = report_->report().pagesPrinted();
        std::sort(run_.pagesOnPaper.begin(), run_.pagesOnPaper.end());
        // Taken but held (a paused printer): the user knows where the pages are.
        const std::string notice = rt::printer().lastNotice();
        if (!notice.empty()) rt::message(notice, "Report Destination", ICON::Exclamation);
    }
    PreviewPages.names.clear();
}

void ReportPass::showReportError(const std::string& error) {
    rt::message("The report could not be printed: " + error, "Report Error", ICON::Exclamation);
}
