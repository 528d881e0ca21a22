#pragma once
// The register report's page: a heading of column titles and one line per check.

#include "checks/check_layout.h"

namespace checks_layout {

// The page's printable bottom: rows stop there and go on on the next page.
inline constexpr int kRegisterAreaTop = 1148;
inline constexpr int kRegisterPrintableBottom = 10750;

rt::ReportStructure registerReport(const FieldBinder& bind);
ReportStructurePtr makeRegisterReport(const FieldBinder& bind);

// The register of the monthly drafts: the draft day and the drafts left in place of the memo,
// and no page footer.
rt::ReportStructure draftRegisterReport(const FieldBinder& bind);
ReportStructurePtr makeDraftRegisterReport(const FieldBinder& bind);

}  // namespace checks_layout
