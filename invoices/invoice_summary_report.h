#pragma once
// "Invoice Report": one line per invoice with its tax and total, and their sums.

#include "frame/report_job.h"

namespace windows::invoice_summary {

ReportStructurePtr invoiceSummaryReport();

}  // namespace windows::invoice_summary
