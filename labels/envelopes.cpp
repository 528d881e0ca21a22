// PrintEnvelopes: an envelope for each tagged contact in first-name order, the company
// globals as the return address. With a print service set up, no destination question: the
// plain preview prints all envelopes or none on its printer, never into the file a report
// before them printed into. Without one, the destination question says where they go.
#include "labels/envelope_report.h"
#include "labels/label_lines.h"
#include "labels/label_procedures.h"
#include "labels/tagged_contacts_pass.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

ReportOptions envelopeOptions() {
    ReportOptions o;
    if (!PrinterDeviceName().empty()) {
        o.destination = ReportOptions::Destination::PlainPreview;
        SetPrintToFile(false);
    }
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
