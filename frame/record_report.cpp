#include "frame/record_report.h"

#include "frame/globals.h"
#include "frame/report_destination.h"
#include "frame/report_preview.h"
#include "runtime/ui/dialogs.h"

ReportPass::ReportPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet,
                       ReportOptions options)
    : RecordPass(module, std::move(files), std::move(sheet)), options_(options) {}

void ReportPass::beforeSetUp() {
    LOC.Response = RESP::Cancelled;
    if (options_.destination == ReportOptions::Destination::Ask) {
        Destination = SelectReportDestination();
        if (Destination == DEST::Cancel) {
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
    if (output && report_->isOpen()) {
        if (!report_->finish()) {
            showReportError(report_->lastError());
            LOC.Response = RESP::Cancelled;
            output = false;
        }
    }
    if (output && report_->isOpen()) {
        if (options_.destination == ReportOptions::Destination::PlainPreview) {
            PreviewReportBasic(PreviewPages);
            if (GLO::Response == RESP::Completed) report_->setPrintPreviewedPages(true);
        } else if (Destination == DEST::View) {
            if (PreviewReport(PreviewPages, "", false) == RESP::Completed)
                report_->setPrintPreviewedPages(true);
        } else {
            report_->setPrintPreviewedPages(true);
        }
    }
    std::string error;
    if (!report_->close(error)) {
        // Pages that did not print are no completed report.
        showReportError(error);
        LOC.Response = RESP::Cancelled;
    }
    PreviewPages.names.clear();
}

void ReportPass::showReportError(const std::string& error) {
    rt::message("The report could not be printed: " + error, "Report Error", ICON::Exclamation);
}
