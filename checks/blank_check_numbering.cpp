// The blank checks' numbers: ClearBlankCheckNumbers sets every number to "0" when the list
// is opened from the menu; NumberBlankChecks gives them consecutive numbers after
// GLO::LastCheckNumber, the last check number used, and leaves the global at the last number
// it gave. The numbering walks the check numbers from the highest down (after a clearing,
// all "0": in the order the checks were stored), so a second numbering gives the next number
// to the highest. A check renumbered moves behind the walk and is not met again.

#include "checks/blank_check_numbering.h"
#include "checks/check_procedures.h"
#include "frame/globals.h"
#include "frame/record_process.h"
#include "records/blank.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

constexpr std::size_t kNumberWidth = 10;

PassSheet blankSheet(const char* key = "") {
    PassSheet s;
    s.file = &BLANK;
    s.key = key;
    s.displayName = "Blank";
    return s;
}

class ClearNumbers : public ProcessPass {
  public:
    ClearNumbers() : ProcessPass("Tovik096", {&BLANK}, blankSheet(), {ProcessWrite::Put, ""}) {}

  protected:
    void assignFields() override { CHE1::CHECKNUMBER.setText("0"); }
};

class NumberChecks : public ProcessPass {
  public:
    NumberChecks()
        : ProcessPass("Tovik097", {&BLANK}, blankSheet("CHE1:KEYCHECKNUMBER"),
                      {ProcessWrite::Put, ""}) {}

  protected:
    void assignFields() override {
        given_ = rt::numberToText(rt::textToNumber(GLO::LastCheckNumber.view()) + rt::Decimal(1));
        CHE1::CHECKNUMBER.setText(given_);
    }
    // Only a number written counts as used.
    void afterWrite() override { GLO::LastCheckNumber = given_; }

  private:
    std::string given_;
};

}  // namespace

namespace blank_numbers {

std::string refusal(std::string_view lastUsed, long checks) {
    const std::string_view text = rt::clip(lastUsed);
    const std::size_t start = text.find_first_not_of(' ');
    const std::string_view digits = start == text.npos ? "" : text.substr(start);
    if (digits.find_first_not_of("0123456789") != digits.npos)
        return "The last check number used must be a whole number.";
    const std::string last = rt::numberToText(rt::textToNumber(digits) + rt::Decimal(checks));
    if (last.size() > kNumberWidth)
        return "The numbers of the " + std::to_string(checks) +
               " blank checks would not fit the check number's " + std::to_string(kNumberWidth) +
               " characters.";
    return "";
}

}  // namespace blank_numbers

void ClearBlankCheckNumbers() {
    ClearNumbers().run();
}

void NumberBlankChecks() {
    NumberChecks().run();
}
