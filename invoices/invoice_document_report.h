#pragma once
// The invoice document: one invoice a page, the chosen company as the seller.

#include "frame/report_job.h"

namespace windows::invoice_document {

// The structure both invoice documents print; the unprinted run places its date elsewhere.
ReportStructurePtr invoiceDocumentReport(bool unprintedRun);

}  // namespace windows::invoice_document
