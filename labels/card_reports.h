#pragma once
// The business-card reports: seven styles of cards 3.5 by 2 inches, two across and five down
// on a Letter page, and return-address labels 2.625 by 1 inch, thirty to a page.

#include "frame/report_job.h"

namespace windows::card_reports {

// The image control that holds each card's picture, in every style.
inline constexpr int kPictureControl = 8;

// Style 1 to 7.
ReportStructurePtr cardStyleReport(int style);
ReportStructurePtr returnAddressLabelReport();

}  // namespace windows::card_reports
