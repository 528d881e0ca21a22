// The draft run and the draft register. The run numbers the tagged drafts in last-name order
// from the starting number, dates them today and counts their drafts left down by one; each
// draft is claimed (checks/check_claims.h) before its page prints, so a draft that cannot be
// written is neither printed nor given a number, and one another station's run claimed is
// passed over. When the run has ended, the drafts whose pages did not reach paper get back
// their number, date and count.

#include <string>
#include <vector>

#include "checks/check_claims.h"
#include "checks/check_layout.h"
#include "checks/check_procedures.h"
#include "checks/check_register_report_layout.h"
#include "checks/draft_run.h"
#include "frame/globals.h"
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "frame/use_counts.h"
#include "records/checks.h"
#include "records/payee.h"
#include "records/tag_file.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr const char* kDraftsToRun = "Che:x2 <> 0";
constexpr std::size_t kNumberWidth = 10;  // GLO::LastCheckNumber and CHE:CHECKNUMBER

bool taggedDraft() {
    return GetTag_(TAG::MonthlyDrafts, static_cast<long>(CHECKS.pointer())) != 0;
}

PassSheet draftSheet(const char* key) {
    PassSheet s;
    s.file = &CHECKS;
    s.key = key;
    s.filter = kDraftsToRun;
    s.displayName = "Checks";
    s.expectedRecords = 500;
    return s;
}

std::string draftName() {
    return std::string(rt::clip(CHE::FIRSTNAME.text())) + " " +
           std::string(rt::clip(CHE::LASTNAME.text())) + " to " +
           std::string(rt::clip(CHE::PAYTO.text()));
}

class MonthlyDraftsReport : public ReportPass {
  public:
    explicit MonthlyDraftsReport(std::string first)
        : ReportPass("Tovik094", {&TagFile, &CHECKS, &PAYEE}, draftSheet("CHE:KEYLASTNAME")),
          next_(std::move(first)),
          lastBefore_(GLO::LastCheckNumber.view()),
          claims_(draftClaimWords()) {}

  protected:
    void beforePass() override {
        PutBackAbandonedCheckClaims();
        // A draft another station's run numbers while this one goes on looks like any draft:
        // the run knows it by what it was when the run began.
        claims_.rememberAsFound({&CHE::CHECKNUMBER, &CHE::CHECKDATE, &CHE::X2}, taggedDraft);
    }

    ReportStructurePtr makeReport() override {
        return checks_layout::makeCheckPageReport(
            checks_layout::CheckPage::Draft, [this](const std::string& name) -> rt::ValueSource {
                return [this, name] { return valueOf(name); };
            });
    }

    int recordVerdict() override {
        if (!taggedDraft()) return VERDICT::Skip;
        return writeNumbered() ? VERDICT::Take : VERDICT::Skip;
    }

    void beforeDetail() override {
        micrLine_ = checks_layout::MicrLine(CHE::CHECKNUMBER.text(), CHE::TRANSIT.text(),
                                            CHE::ACCOUNTNUMBER.text(), CHE::CKSIGN.text(),
                                            CHE::ANSIGN.text());
        cityLine_ = checks_layout::CityLine(CHE::CITY.text(), CHE::STATE.text(), CHE::ZIP.text());
        // Each draft prints its own payee's address; a payee PAYEE lacks prints blank.
        PAY::PAYTO.setText(CHE::PAYTO.text());
        if (PAYEE.get(PAY::KEYPAYTO) != 0) PAYEE.clear();
    }

    void afterDetail() override {
        claims_.placeLast(detailPage());
        numbered_.push_back({detailPage(), std::string(rt::clip(CHE::CHECKNUMBER.text()))});
    }

    bool beforeFileInPlace(const PrintRun& planned, const std::string& temporaryFile) override {
        return claims_.notePaper(planned, temporaryFile);
    }

    void afterPass() override {
        const PrintRun& run = printRun();
        if (!claims_.settle(run).putBack.empty()) LOC.Response = RESP::Cancelled;
        // The last number used is the last one on paper; none: as before the run.
        GLO::LastCheckNumber = lastBefore_;
        for (const auto& [page, number] : numbered_)
            if (run.onPaper(page)) GLO::LastCheckNumber = number;
        if (unwritten_.empty()) return;
        std::string text =
            "These drafts could not be written and were neither numbered nor printed:";
        for (const std::string& name : unwritten_)
            text += "\n" + name;
        rt::message(text, "Draft Printing", ICON::Exclamation);
        LOC.Response = RESP::Cancelled;
    }

  private:
    rt::Value valueOf(const std::string& name) const {
        if (name == "LOC:MicrLine") return rt::Value(micrLine_);
        if (name == "LOC:CityLine") return rt::Value(cityLine_);
        if (name.rfind("PAY:", 0) == 0) return PAYEE.buf().value(PAYEE.buf().field(name));
        return CHECKS.buf().value(CHECKS.buf().field("CHE:" + name));
    }

    // Claims the draft: the next number, today's date and one draft fewer. Only a claimed
    // draft uses up its number; one run out or claimed by another station meanwhile is
    // passed over.
    bool writeNumbered() {
        using Verdict = CheckRunClaims::Verdict;
        using Outcome = CheckRunClaims::Outcome;
        const std::string number = next_;
        const Outcome outcome = claims_.claim(
            [] {
                return rt::textToNumber(CHE::X2.text()) == rt::Decimal(0) ? Verdict::PassOver
                                                                          : Verdict::Claim;
            },
            [&number] {
                const rt::Decimal left = rt::textToNumber(CHE::X2.text());
                CHE::CHECKNUMBER.setText(number);
                CHE::CHECKDATE.setInteger(rt::today());
                CHE::X2.setText(rt::numberToText(left - rt::Decimal(1)));
            });
        if (outcome == Outcome::Claimed) {
            GLO::LastCheckNumber = number;
            next_ = draft_run::advancedNumber(next_, 1);
            return true;
        }
        if (outcome == Outcome::Failed) {
            const std::string& why = claims_.failure();
            unwritten_.push_back(draftName() + (why.empty() ? "" : ": " + why));
        }
        return false;
    }

    std::string next_;
    std::string lastBefore_;  // GLO::LastCheckNumber when the run began
    std::string micrLine_, cityLine_;
    std::vector<std::string> unwritten_;
    CheckRunClaims claims_;
    std::vector<std::pair<int, std::string>> numbered_;  // page and number of each draft
};

class DraftRegisterReport : public ReportPass {
  public:
    DraftRegisterReport()
        : ReportPass("Tovik095", {&TagFile, &CHECKS}, draftSheet("CHE:KEYCHECKDATE")) {}

  protected:
    ReportStructurePtr makeReport() override {
        return checks_layout::makeDraftRegisterReport(
            [](const std::string& name) -> rt::ValueSource {
                const int field = CHECKS.buf().field(name);
                return [field] { return CHECKS.buf().value(field); };
            });
    }
    int recordVerdict() override { return taggedDraft() ? VERDICT::Take : VERDICT::Skip; }
};

// The tagged drafts still to run.
long countTaggedDrafts() {
    // A file the caller holds open stays as it is.
    const bool counted = !CHECKS.isOpen();
    if (counted) UseFile(CHECKS);
    OpenTagFile_();
    const rt::RecordBuffer saved = CHECKS.buf();
    long count = 0;
    if (CHECKS.set(CHE::KEYCHECKID) == 0)
        while (CHECKS.next() == 0)
            if (rt::textToNumber(CHE::X2.text()) != rt::Decimal(0) && taggedDraft()) ++count;
    CHECKS.buf() = saved;
    CloseTagFile_();
    if (counted) ReleaseFile(CHECKS);
    return count;
}

}  // namespace

namespace draft_run {

std::string advancedNumber(std::string_view digits, long by) {
    std::string next = rt::numberToText(rt::textToNumber(digits) + rt::Decimal(by));
    if (next.size() < digits.size()) next.insert(0, digits.size() - next.size(), '0');
    return next;
}

StartingNumber readStartingNumber(std::string_view typed) {
    const std::string_view text = rt::clip(typed);
    const std::size_t start = text.find_first_not_of(' ');
    const std::string_view digits = start == std::string_view::npos ? "" : text.substr(start);
    const bool whole = !digits.empty() && digits.find_first_not_of("0123456789") == digits.npos;
    if (!whole || rt::textToNumber(digits) <= rt::Decimal(0))
        return {std::nullopt, "The starting check number must be a positive whole number."};
    return {std::string(digits), ""};
}

std::string proposedStartingNumber() {
    const StartingNumber last = readStartingNumber(GLO::LastCheckNumber.view());
    if (!last.number) return {};
    const std::string next = advancedNumber(*last.number, 1);
    return next.size() <= kNumberWidth ? next : std::string();
}

std::string runRefusal(const std::string& first) {
    const long drafts = countTaggedDrafts();
    if (drafts == 0 || advancedNumber(first, drafts - 1).size() <= kNumberWidth) return {};
    return "The check numbers of the " + std::to_string(drafts) +
           " tagged drafts would not fit the check number's " + std::to_string(kNumberWidth) +
           " characters. Start lower.";
}

void printDraftsFrom(const std::string& first) {
    if (const std::string refused = runRefusal(first); !refused.empty()) {
        rt::message(refused, "Draft Printing", ICON::Exclamation);
        GLO::Response = RESP::Cancelled;
        return;
    }
    MonthlyDraftsReport(first).run();
}

}  // namespace draft_run

void PrintMonthlyDrafts() {
    const draft_run::StartingNumber start =
        draft_run::readStartingNumber(draft_run::proposedStartingNumber());
    if (!start.number) {
        rt::message(start.refusal, "Draft Printing", ICON::Exclamation);
        GLO::Response = RESP::Cancelled;
        return;
    }
    draft_run::printDraftsFrom(*start.number);
}

void PrintDraftRegister() {
    DraftRegisterReport().run();
}
