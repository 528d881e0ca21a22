// PrintShippingLabel: a shipping label for each tagged contact in first-name order, the
// company globals as the sender.
#include "labels/label_procedures.h"
#include "labels/shipping_label_report.h"
#include "labels/tagged_contacts_pass.h"
#include "records/company.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

class ShippingLabels : public TaggedContactsReport {
  public:
    // COMPANY is opened with the others, as the chooser that calls this report uses it.
    ShippingLabels()
        : TaggedContactsReport("Tovik103", {&records::tagFile(), &COMPANY, &MAIL},
                               MAI::KEYFIRSTNAME, labelSheetOptions()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::shipping_labels::shippingLabelReport();
    }
};

}  // namespace

void PrintShippingLabel() {
    ShippingLabels().run();
}
