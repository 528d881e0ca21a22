#pragma once
// The invoice shipping label: the chosen company as the sender, the invoice's client as the
// addressee; nine labels a sheet, three across and three down.

#include "frame/report_job.h"

namespace windows::invoice_shipping_label {

ReportStructurePtr invoiceShippingLabelReport();

}  // namespace windows::invoice_shipping_label
