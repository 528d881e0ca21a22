#pragma once
// The shipping label: the chosen company as the sender, centred at the top, a red rule and
// the contact below it; nine labels a sheet, three across and three down.

#include "frame/report_job.h"

namespace windows::shipping_labels {

ReportStructurePtr shippingLabelReport();

}  // namespace windows::shipping_labels
