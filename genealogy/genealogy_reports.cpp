// PrintGenealogy and PrintUplineReport: the contacts in level order, grouped by level (only
// those tagged in TAG::Genealogy when any are), and the contacts marked by the up-line
// search, one block each.

#include "frame/record_report.h"
#include "frame/tagging.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/genealogy_report_layouts.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

PassSheet levelSheet(const char* filter, long expected) {
    PassSheet s;
    s.file = &MAIL;
    s.key = "MAI:KEYLEVEL";
    s.filter = filter;
    s.displayName = "MAIL";
    s.expectedRecords = expected;
    s.batchSize = 25;
    return s;
}

class GenealogyReport : public ReportPass {
  public:
    GenealogyReport() : ReportPass("Tovik162", {&TagFile, &MAIL}, levelSheet("", 0)) {}

  protected:
    ReportStructurePtr makeReport() override { return reports::genealogy::genealogyReport(); }
    void beforePass() override { onlyTagged_ = CountTags_(TAG::Genealogy) > 0; }
    int recordVerdict() override {
        if (!onlyTagged_) return VERDICT::Take;
        return GetTag_(TAG::Genealogy, static_cast<long>(MAIL.pointer())) ? VERDICT::Take
                                                                          : VERDICT::Skip;
    }

  private:
    bool onlyTagged_ = false;
};

class UplineReport : public ReportPass {
  public:
    UplineReport() : ReportPass("Tovik167", {&MAIL}, levelSheet("Mai:FromWhat = 'X'", 500)) {}

  protected:
    ReportStructurePtr makeReport() override { return reports::genealogy::uplineReport(); }
};

}  // namespace

void PrintGenealogy() {
    GenealogyReport().run();
}

void PrintUplineReport() {
    UplineReport().run();
}
