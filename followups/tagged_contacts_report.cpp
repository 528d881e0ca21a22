// PrintMAILReport: the contacts tagged in TAG::Contacts, in last-name order, four lines a
// contact. The percentage counts every contact read, tagged or not.

#include "followups/contact_report_layout.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

PassSheet taggedSheet() {
    PassSheet s;
    s.file = &MAIL;
    s.key = "MAI:KEYLASTNAME";
    s.displayName = "MAIL";
    s.batchSize = 25;
    return s;
}

class TaggedContactsReport : public ReportPass {
  public:
    TaggedContactsReport() : ReportPass("Tovik022", {&TagFile, &MAIL}, taggedSheet()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return reports::contact_block::contactReport(reports::contact_block::Columns{});
    }
    int recordVerdict() override {
        return GetTag_(TAG::Contacts, static_cast<long>(MAIL.pointer())) ? VERDICT::Take
                                                                         : VERDICT::Skip;
    }
};

}  // namespace

void PrintMAILReport() {
    TaggedContactsReport().run();
}
