// PrintCheckRegister: one line per printed check tagged in the register, by check date.

#include "checks/check_procedures.h"
#include "checks/check_register_report_layout.h"
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/tag_file.h"

namespace {

PassSheet registerSheet() {
    PassSheet s;
    s.file = &CHECKS;
    s.key = "CHE:KEYCHECKDATE";
    s.filter = "UPPER(Che:Done) = 'Y'";
    s.displayName = "Checks";
    s.expectedRecords = 500;
    return s;
}

class CheckRegisterReport : public ReportPass {
  public:
    CheckRegisterReport() : ReportPass("Tovik029", {&TagFile, &CHECKS}, registerSheet()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return checks_layout::makeRegisterReport([](const std::string& name) -> rt::ValueSource {
            const int field = CHECKS.buf().field(name);
            return [field] { return CHECKS.buf().value(field); };
        });
    }
    int recordVerdict() override {
        return GetTag_(TAG::CheckRegister, static_cast<long>(CHECKS.pointer())) ? VERDICT::Take
                                                                                : VERDICT::Skip;
    }
};

}  // namespace

void PrintCheckRegister() {
    CheckRegisterReport().run();
}
