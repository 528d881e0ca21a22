#pragma once
// The report preview: the pages of a finished report, listed in its preview queue, shown as
// a grid of whole pages or one page at a zoom factor. PreviewReport lets the user mark and
// delete pages and print all, the marked, the unmarked pages or a range; it removes from the
// queue every page not to be printed. PreviewReportBasic prints all pages or none.

#include <string_view>

#include "runtime/print/preview_queue.h"

// Answers RESP::Completed (1) to print the pages still listed, RESP::Cancelled (2) not to,
// and leaves the same value in GLO::Response. A title that is not blank replaces the
// window's title unless keepTitle is set.
int PreviewReport(rt::PageList& pages, std::string_view title, bool keepTitle);

// Leaves RESP::Completed (print every page) or RESP::Cancelled in GLO::Response.
void PreviewReportBasic(rt::PageList& pages);

// "Jump to a Report Page": the page chosen, or `current` when cancelled.
long JumpToReportPage(long current, long total);
long JumpToReportPageBasic(long current, long total);

// "Change the Report Display": the values entered take effect however the window closes.
void ChangeReportDisplay(long& across, long& down);
void ChangeReportDisplayBasic(long& across, long& down);

// Page numbering: in every listed page, the first "Page xxxxx of xxxxx" becomes "Page n of N"
// centred in the same 19 characters, wherever it stands in the page. A page that cannot be
// opened or holds no placeholder is left as it is.
void NumberReportPages(const rt::PageList& pages);
