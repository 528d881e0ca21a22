// PrintEnvelopes: an envelope for each tagged contact in first-name order, the company
// globals as the return address; no destination question, the plain preview prints all
// envelopes or none.
#include "labels/envelope_report.h"
#include "labels/label_lines.h"
#include "labels/label_procedures.h"
#include "labels/tagged_contacts_pass.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

ReportOptions envelopeOptions() {
    ReportOptions o;
    o.destination = ReportOptions::Destination::PlainPreview;
    return o;
}

class Envelopes : public TaggedContactsReport {
  public:
    Envelopes()
        : TaggedContactsReport("Tovik073", {&records::tagFile(), &MAIL}, MAI::KEYFIRSTNAME,
                               envelopeOptions()) {}

  protected:
    ReportStructurePtr makeReport() override { return windows::envelopes::envelopeReport(lines_); }
    void beforeDetail() override {
        lines_.name = labels::nameLine(MAI::FIRSTNAME.text(), MAI::LASTNAME.text());
        lines_.cityStateZip =
            labels::envelopeCityStateZipLine(MAI::CITY.text(), MAI::STATE.text(), MAI::ZIP.text());
    }

  private:
    labels::ContactLines lines_;
};

}  // namespace

void PrintEnvelopes() {
    Envelopes().run();
}
