// EnterLastCheckNumber: the last check number used, edited in GLO::LastCheckNumber itself;
// OK numbers the blank checks after it. A number that is not whole, or after which the blank
// checks' numbers would not fit, is refused and the window stays; when the blank checks
// cannot be counted, the error is shown and the window closes. Closed any other way
// (Escape), it numbers nothing and the last number used stays what it was. It answers
// RESP::Cancelled.

#include "checks/blank_check_numbering.h"
#include "checks/check_procedures.h"
#include "checks/last_check_number_window.h"
#include "frame/globals.h"
#include "frame/procedure.h"
#include "frame/warnings.h"
#include "records/blank.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::last_check_number;
using namespace LastNumberControl;

class LastCheckNumber : public Procedure {
  public:
    LastCheckNumber()
        : Procedure(lastCheckNumberWindow(), {&BLANK}), before_(GLO::LastCheckNumber) {}

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "GLO:LastCheckNumber") return nullptr;
        return rt::bindFixedText("GLO:LastCheckNumber",
                                 std::span<char>(GLO::LastCheckNumber.data(), 10));
    }

    int firstControl() const override { return Number; }

    bool takeEvent() override {
        if (window().accepted() != Ok) return false;
        const std::int64_t checks = BLANK.records();
        if (checks < 0) {
            // Without the number of blank checks nothing can be numbered.
            ShowWarningText(WARN::RecordRetrievalError, "Blank");
            PostCloseWindow();
            return false;
        }
        const std::string refused =
            blank_numbers::refusal(GLO::LastCheckNumber.view(), static_cast<long>(checks));
        if (!refused.empty()) {
            rt::message(refused, "Enter Last Check Number Used", ICON::Exclamation);
            window().select(Number);
            return false;
        }
        Call(&NumberBlankChecks, std::nullopt, Redisplay::No);
        numbered_ = true;
        PostCloseWindow();
        return false;
    }

    void finishing() override {
        // The entry edits the global in place: what was typed counts only when it numbered.
        if (!numbered_) GLO::LastCheckNumber = before_;
        LOC.Response = RESP::Cancelled;
    }

  private:
    const rt::FixedString<10> before_;
    bool numbered_ = false;
};

}  // namespace

void EnterLastCheckNumber() {
    LastCheckNumber().run();
}
