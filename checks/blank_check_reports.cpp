// The blank checks printed on check stock, in first-name order: three to a sheet, or one with
// a stub below it. Each carries its picture, the bank data and the bank line; nothing is
// written.

#include <cstdint>
#include <span>
#include <string>

#include "checks/check_layout.h"
#include "checks/check_procedures.h"
#include "frame/record_report.h"
#include "records/blank.h"
#include "records/checks.h"
#include "records/payee.h"

namespace {

using checks_layout::CheckPage;

PassSheet blankSheet(bool oneUp) {
    PassSheet s;
    s.file = &BLANK;
    s.key = "CHE1:KEYFIRSTNAME";
    s.displayName = "Blank";
    s.expectedRecords = oneUp ? 0 : 500;  // 0: the file's records
    return s;
}

class BlankCheckReport : public ReportPass {
  public:
    explicit BlankCheckReport(bool oneUp)
        : ReportPass("Tovik101", {&BLANK, &CHECKS, &PAYEE}, blankSheet(oneUp)),
          page_(oneUp ? CheckPage::BlankOneUp : CheckPage::BlankThreeUp) {}

  protected:
    ReportStructurePtr makeReport() override {
        return checks_layout::makeCheckPageReport(
            page_, [this](const std::string& name) -> rt::ValueSource {
                return [this, name] { return valueOf(name); };
            });
    }

    void beforeDetail() override {
        micrLine_ = checks_layout::MicrLine(CHE1::CHECKNUMBER.text(), CHE1::TRANSIT.text(),
                                            CHE1::ACCOUNTNUMBER.text(), CHE1::CKSIGN.text(),
                                            CHE1::ANSIGN.text());
        cityLine_ =
            checks_layout::CityLine(CHE1::CITY.text(), CHE1::STATE.text(), CHE1::ZIP.text());
        // A blank check without a picture, or with one that cannot be read, prints an empty
        // picture area.
        const std::string& data = CHE1::PHOTOGRAPH.data();
        std::string error;
        if (data.empty() ||
            !report()->setImage(
                checks_layout::kPictureControl,
                std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()), error))
            report()->clearImage(checks_layout::kPictureControl);
    }

  private:
    rt::Value valueOf(const std::string& name) const {
        if (name == "LOC:MicrLine") return rt::Value(micrLine_);
        if (name == "LOC:CityLine") return rt::Value(cityLine_);
        return BLANK.buf().value(BLANK.buf().field("CHE1:" + name));
    }

    const CheckPage page_;
    std::string micrLine_, cityLine_;
};

}  // namespace

void PrintBlankChecksThreeUp() {
    BlankCheckReport(false).run();
}

void PrintBlankChecksOneUp() {
    BlankCheckReport(true).run();
}
