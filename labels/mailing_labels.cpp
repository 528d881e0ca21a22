// PrintLabelsByLastName and PrintLabelsByZip: a mailing label for each tagged contact, in
// last-name or zip-code order.
#include "labels/label_lines.h"
#include "labels/label_procedures.h"
#include "labels/mailing_label_report.h"
#include "labels/tagged_contacts_pass.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

using windows::mailing_labels::LabelOrder;

class MailingLabels : public TaggedContactsReport {
  public:
    explicit MailingLabels(LabelOrder order)
        : TaggedContactsReport(
              order == LabelOrder::Zip ? "Tovik034" : "Tovik031", {&records::tagFile(), &MAIL},
              order == LabelOrder::Zip ? MAI::KEYZIP : MAI::KEYLASTNAME, labelSheetOptions()),
          order_(order) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::mailing_labels::mailingLabelReport(order_, lines_);
    }
    void beforeDetail() override {
        lines_.name = labels::nameLine(MAI::FIRSTNAME.text(), MAI::LASTNAME.text());
        lines_.cityStateZip =
            labels::mailingCityStateZipLine(MAI::CITY.text(), MAI::STATE.text(), MAI::ZIP.text());
    }

  private:
    LabelOrder order_;
    labels::ContactLines lines_;
};

}  // namespace

void PrintLabelsByLastName() {
    MailingLabels(LabelOrder::LastName).run();
}

void PrintLabelsByZip() {
    MailingLabels(LabelOrder::Zip).run();
}
