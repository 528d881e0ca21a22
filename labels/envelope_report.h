#pragma once
// The envelope: the chosen company's return address at the top left and the contact's
// address block, one No. 10 envelope a page.

#include "frame/report_job.h"
#include "labels/contact_lines.h"

namespace windows::envelopes {

ReportStructurePtr envelopeReport(const labels::ContactLines& lines);

}  // namespace windows::envelopes
