// EnterStartingCheckNumber: proposes the number after the last check number used and runs the
// draft printing from the number confirmed or typed, keeping its digits as typed. A number that
// is not a positive whole number, or whose run would not fit the field, is refused and the
// window stays. It answers RESP::Cancelled.

#include <string>

#include "checks/check_procedures.h"
#include "checks/draft_run.h"
#include "checks/starting_check_number_window.h"
#include "frame/procedure.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::starting_check_number;
using namespace StartingNumberControl;

class StartingCheckNumber : public Procedure {
  public:
    StartingCheckNumber() : Procedure(startingCheckNumberWindow(), {}) {
        typed_.assign(draft_run::proposedStartingNumber());
    }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "LOC:StartingNumber") return nullptr;
        return rt::bindFixedText("LOC:StartingNumber", std::span<char>(typed_.data(), 10));
    }

    int firstControl() const override { return Number; }

    bool takeEvent() override {
        switch (window().accepted()) {
            case Continue:
                startRun();
                break;
            case Cancel:
                PostCloseWindow();
                break;
            default:
                break;
        }
        return false;
    }

    void finishing() override { LOC.Response = RESP::Cancelled; }

  private:
    void startRun() {
        const draft_run::StartingNumber start = draft_run::readStartingNumber(typed_.view());
        if (!start.number) {
            rt::message(start.refusal, "Enter Starting Check Number", ICON::Exclamation);
            window().select(Number);
            return;
        }
        // A run that cannot start is refused while the number can still be changed.
        if (const std::string refused = draft_run::runRefusal(*start.number); !refused.empty()) {
            rt::message(refused, "Enter Starting Check Number", ICON::Exclamation);
            window().select(Number);
            return;
        }
        PostCloseWindow();
        const std::string first = *start.number;
        Call([first] { draft_run::printDraftsFrom(first); }, std::nullopt, Redisplay::No);
    }

    rt::FixedString<10> typed_;
};

}  // namespace

void EnterStartingCheckNumber() {
    StartingCheckNumber().run();
}
