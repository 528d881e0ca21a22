// EnterLastCheckNumber: the last check number used, edited in GLO::LastCheckNumber itself;
// OK numbers the blank checks after it. A number that is not whole, or after which the blank
// checks' numbers would not fit, is refused and the window stays. It answers
// RESP::Cancelled.

#include "checks/blank_check_numbering.h"
#include "checks/check_procedures.h"
#include "checks/last_check_number_window.h"
#include "frame/globals.h"
#include "frame/procedure.h"
#include "records/blank.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::last_check_number;
using namespace LastNumberControl;

class LastCheckNumber : public Procedure {
  public:
    LastCheckNumber() : Procedure(lastCheckNumberWindow(), {&BLANK}) {}

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "GLO:LastCheckNumber") return nullptr;
        return rt::bindFixedText("GLO:LastCheckNumber",
                                 std::span<char>(GLO::LastCheckNumber.data(), 10));
    }

    int firstControl() const override { return Number; }

    bool takeEvent() override {
        if (window().accepted() != Ok) return false;
        const std::string refused =
            blank_numbers::refusal(GLO::LastCheckNumber.view(), static_cast<long>(BLANK.records()));
        if (!refused.empty()) {
            rt::message(refused, "Enter Last Check Number Used", ICON::Exclamation);
            window().select(Number);
            return false;
        }
        Call(&NumberBlankChecks, std::nullopt, Redisplay::No);
        PostCloseWindow();
        return false;
    }

    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void EnterLastCheckNumber() {
    LastCheckNumber().run();
}
