#pragma once
// The print side of the report tests, kept apart from the window model (see
// frame/report_job.h): a label report over a record file, spooled pages to preview, and a look
// at TARGET:Printer.

#include <functional>
#include <string>
#include <vector>

#include "frame/report_job.h"
#include "runtime/data/record_file.h"
#include "runtime/print/page_spool.h"
#include "runtime/print/preview_queue.h"

namespace testsupport {

// The shared label sheet (tests/support/label_sheet.h): thirty labels to a page, each showing
// `line()`; the page footer holds "Page xxxxx of xxxxx".
ReportStructurePtr labelReport(std::function<std::string()> line);

// `count` pages appended to `spool`, page n holding the text "PAGE n" and, when
// `placeholder` is set, "Page xxxxx of xxxxx" (twice on the third page). Listed in `queue`.
void writeTestPages(rt::PageSpool& spool, int count, rt::PageList& queue, bool placeholder = false);
// Every text of a named page, in drawing order; empty when it cannot be read.
std::vector<std::string> pageTexts(const std::string& name);

struct PrinterState {
    int copies = 1;
    bool collate = false;
    bool printToFile = false;
    std::string fileName;
    std::string device;
};
PrinterState printerState();
// Back to the starting settings with a printer that records what it prints.
void resetRecordingPrinter();
// Pages printed by the recording printer, as their "PAGE n" / label texts, one entry per page.
std::vector<std::vector<std::string>> printedPages();
// Prints into PDF files through Qt (the offscreen application is created when needed).
void installPdfPrinting();

}  // namespace testsupport
