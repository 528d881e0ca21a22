// The check reports: the tagged checks of one client, every unprinted check, and the reprint
// of the register's tagged checks, each in its page style. Every check is read again and
// marked printed before its band prints, so that two stations never print the same check;
// a check another station marked meanwhile, or one without a pay-to name, is passed over.
// When the run has ended, the checks whose pages did not reach paper are put back.

#include <string>
#include <vector>

#include "checks/check_claims.h"
#include "checks/check_layout.h"
#include "checks/check_procedures.h"
#include "frame/globals.h"
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/payee.h"
#include "records/tag_file.h"
#include "runtime/eval/bind_scope.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"
#include "runtime/ui/dialogs.h"

namespace {

using checks_layout::CheckPage;

enum class Selection {
    TaggedOfClient,  // tagged to print, of the highlighted check's last name
    AllUnprinted,    // every check not yet printed
    Reprint,         // tagged in the register, printed or not
};

struct Member {
    CheckPage page;
    Selection selection;
    bool countDown;  // a draft's remaining count goes down by one
};

constexpr std::string_view kModule = "Tovik031";

PassSheet sheetOf(const Member& m) {
    PassSheet s;
    s.file = &CHECKS;
    s.key = "CHE:KEYLASTNAME";
    s.displayName = "Checks";
    switch (m.selection) {
        case Selection::TaggedOfClient:
            s.filter =
                "UPPER(CHE:LastName) = UPPER(Report:Save::CHE:LastName) AND "
                "(UPPER(Che:Done) <> 'Y')";
            s.expectedRecords = 500;
            break;
        case Selection::AllUnprinted:
            s.filter = "UPPER(Che:Done) <> 'Y'";
            s.expectedRecords = 500;
            break;
        case Selection::Reprint:
            s.expectedRecords = 0;  // RECORDS(CHECKS)
            break;
    }
    return s;
}

// The drafts left, one fewer; blank or zero stays as it is.
void countDownDrafts() {
    const rt::Decimal left = rt::textToNumber(CHE::X2.text());
    if (left == rt::Decimal(0)) return;
    CHE::X2.setText(rt::numberToText(left - rt::Decimal(1)));
}

class CheckReport : public ReportPass {
  public:
    explicit CheckReport(const Member& m)
        : ReportPass(kModule, {&TagFile, &CHECKS, &PAYEE}, sheetOf(m)),
          member_(m),
          savedLastName_(CHE::LASTNAME.text()),
          claims_(checkClaimWords()) {}

  protected:
    void bindNames() override {
        rt::bind("Report:Save::CHE:LastName", [this] { return rt::Value(savedLastName_); });
    }

    ReportStructurePtr makeReport() override {
        return checks_layout::makeCheckPageReport(
            member_.page, [this](const std::string& name) -> rt::ValueSource {
                return [this, name] { return valueOf(name); };
            });
    }

    void beforePass() override { PutBackAbandonedCheckClaims(); }

    int recordVerdict() override {
        if (member_.selection != Selection::AllUnprinted) {
            const long table =
                member_.selection == Selection::Reprint ? TAG::CheckRegister : TAG::ChecksToPrint;
            if (GetTag_(table, static_cast<long>(CHECKS.pointer())) == 0) return VERDICT::Skip;
        }
        return markPrinted() ? VERDICT::Take : VERDICT::Skip;
    }

    void beforeDetail() override {
        micrLine_ = checks_layout::MicrLine(CHE::CHECKNUMBER.text(), CHE::TRANSIT.text(),
                                            CHE::ACCOUNTNUMBER.text(), CHE::CKSIGN.text(),
                                            CHE::ANSIGN.text());
        cityLine_ = checks_layout::CityLine(CHE::CITY.text(), CHE::STATE.text(), CHE::ZIP.text());
        if (member_.page == CheckPage::ThreeUp) return;
        // The client copy shows this check's own payee; one that PAYEE lacks prints blank.
        PAY::PAYTO.setText(CHE::PAYTO.text());
        if (PAYEE.get(PAY::KEYPAYTO) != 0) PAYEE.clear();
    }

    void afterDetail() override { claims_.placeLast(detailPage()); }

    bool beforeFileInPlace(const PrintRun& planned, const std::string& temporaryFile) override {
        return claims_.notePaper(planned, temporaryFile);
    }

    void afterPass() override {
        if (!claims_.settle(printRun()).putBack.empty()) LOC.Response = RESP::Cancelled;
        if (!blankPayTo_.empty())
            rt::message("These checks were not printed because their pay-to name is blank:" +
                            listed(blankPayTo_),
                        "Check Printing", ICON::Exclamation);
        if (unmarked_.empty()) return;
        rt::message(
            "These checks could not be marked printed and were not printed:" + listed(unmarked_),
            "Check Printing", ICON::Exclamation);
        LOC.Response = RESP::Cancelled;
    }

  private:
    rt::Value valueOf(const std::string& name) const {
        if (name == "LOC:MicrLine") return rt::Value(micrLine_);
        if (name == "LOC:CityLine") return rt::Value(cityLine_);
        if (name.rfind("PAY:", 0) == 0) return PAYEE.buf().value(PAYEE.buf().field(name));
        return CHECKS.buf().value(CHECKS.buf().field("CHE:" + name));
    }

    static std::string listed(const std::vector<std::string>& names) {
        std::string text;
        for (const std::string& name : names)
            text += "\n" + name;
        return text;
    }

    // Claims the check: marked printed (and its drafts counted down). A check marked
    // meanwhile is passed over (a reprint prints it as it is), one without a pay-to name is
    // passed over and named. Answers whether its band is to print.
    bool markPrinted() {
        using Verdict = CheckRunClaims::Verdict;
        using Outcome = CheckRunClaims::Outcome;
        const Outcome outcome = claims_.claim(
            [this] {
                if (rt::clip(CHE::PAYTO.text()).empty()) {
                    const std::string client = std::string(rt::clip(CHE::FIRSTNAME.text())) + " " +
                                               std::string(rt::clip(CHE::LASTNAME.text()));
                    blankPayTo_.push_back("Check " + checkLabel() +
                                          (client == " " ? "" : " of " + client));
                    return Verdict::PassOver;
                }
                if (rt::upper(rt::clip(CHE::DONE.text())) != "Y") return Verdict::Claim;
                return member_.selection == Selection::Reprint ? Verdict::PrintUnclaimed
                                                               : Verdict::PassOver;
            },
            [this] {
                if (member_.countDown) countDownDrafts();
                CHE::DONE.setText("Y");
            });
        if (outcome == Outcome::Failed) {
            const std::string& why = claims_.failure();
            unmarked_.push_back(why.empty()
                                    ? "Check " + std::string(rt::clip(CHE::CHECKNUMBER.text())) +
                                          " to " + std::string(rt::clip(CHE::PAYTO.text()))
                                    : "Check " + checkLabel() + ": " + why);
        }
        return outcome == Outcome::Claimed || outcome == Outcome::PrintUnclaimed;
    }

    const Member member_;
    std::string savedLastName_;
    std::string micrLine_, cityLine_;
    std::vector<std::string> unmarked_;
    std::vector<std::string> blankPayTo_;
    CheckRunClaims claims_;
};

void runMember(const Member& m) {
    CheckReport(m).run();
}

}  // namespace

void PrintCheckStyle1Tagged() {
    runMember({CheckPage::Style1, Selection::TaggedOfClient, true});
}
void PrintCheckStyle2Tagged() {
    runMember({CheckPage::Style2, Selection::TaggedOfClient, false});
}
void PrintCheckStyle1All() {
    runMember({CheckPage::Style1All, Selection::AllUnprinted, true});
}
void PrintCheckStyle2ThreeUp() {
    runMember({CheckPage::ThreeUp, Selection::AllUnprinted, true});
}
void ReprintCheckStyle1() {
    runMember({CheckPage::Style1Reprint, Selection::Reprint, true});
}
void ReprintCheckStyle2() {
    runMember({CheckPage::Style2Reprint, Selection::Reprint, false});
}
