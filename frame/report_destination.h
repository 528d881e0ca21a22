#pragma once
// SelectReportDestination: where a report's pages go. The user views them first, prints
// them straight away, or cancels the report; "Options" sets copies, collation, printing into
// a file and the printer on TARGET:Printer, where they stay for later reports.

namespace DEST {
inline constexpr int View = 1;
inline constexpr int Print = 2;
inline constexpr int Cancel = 3;
}  // namespace DEST

// Answers DEST::View, DEST::Print or DEST::Cancel. On "OK" it sets copies and collation,
// and printing into a file as its check box stands (with the file name when it is ticked).
int SelectReportDestination();
