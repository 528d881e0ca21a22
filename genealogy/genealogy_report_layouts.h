#pragma once
// The genealogy's two reports: "Genealogy", the contacts grouped by level, and "Report For
// Upline", a block per marked contact. Built apart from the window model (see
// frame/report_job.h).

#include "frame/report_job.h"

namespace reports::genealogy {

ReportStructurePtr genealogyReport();
ReportStructurePtr uplineReport();

}  // namespace reports::genealogy
