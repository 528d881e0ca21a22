#pragma once
// The mailing label: four lines on a label 2.625 by 1 inch, thirty labels a sheet, three
// across and ten down. The last-name and zip-code orders differ only in the lines' heights.

#include "frame/report_job.h"
#include "labels/contact_lines.h"

namespace windows::mailing_labels {

enum class LabelOrder { LastName, Zip };

ReportStructurePtr mailingLabelReport(LabelOrder order, const labels::ContactLines& lines);

}  // namespace windows::mailing_labels
