// PrintInvoiceShippingLabels: a shipping label for each tagged invoice, in first-name order.
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "invoices/invoice_procedures.h"
#include "invoices/invoice_shipping_label_report.h"
#include "records/orders.h"
#include "records/tag_file.h"

namespace {

PassSheet labelSheet() {
    PassSheet s;
    s.file = &ORDERS;
    s.key = "ORD:KEYFIRSTNAME";
    s.displayName = "ORDERS";
    return s;
}

ReportOptions labelOptions() {
    ReportOptions o;
    o.labelLayout = true;
    return o;
}

class InvoiceShippingLabels : public ReportPass {
  public:
    InvoiceShippingLabels()
        : ReportPass("Tovik052", {&records::tagFile(), &ORDERS}, labelSheet(), labelOptions()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::invoice_shipping_label::invoiceShippingLabelReport();
    }
    int recordVerdict() override {
        return GetTag_(TAG::Invoices, static_cast<long>(ORDERS.pointer())) ? VERDICT::Take
                                                                           : VERDICT::Skip;
    }
};

}  // namespace

void PrintInvoiceShippingLabels() {
    InvoiceShippingLabels().run();
}
