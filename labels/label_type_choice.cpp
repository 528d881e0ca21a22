// SelectLabelType: one choice of label, one print run, and the window is gone.
#include "frame/procedure.h"
#include "frame/procedure_registry.h"
#include "labels/label_procedures.h"
#include "labels/label_type_choice_window.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::label_type_choice;
using namespace LabelTypeControl;

class LabelTypeChoice : public Procedure {
  public:
    LabelTypeChoice() : Procedure(labelTypeChoiceWindow(), {}) {}

  protected:
    void setUpWindow() override {
        if (!FindProcedure("SelectShippingLabelCompany"))
            window().setProp(ShippingLabel, PROP::Disable, 1);
    }

    bool takeEvent() override {
        const int control = window().field();
        switch (window().event()) {
            case EVENT::Accepted:
                // The close is posted first and handled once the chosen report returns.
                if (control == ByLastName) {
                    PostCloseWindow();
                    Call(&PrintLabelsByLastName);
                } else if (control == ByZip) {
                    PostCloseWindow();
                    Call(&PrintLabelsByZip);
                } else if (control == ShippingLabel) {
                    PostCloseWindow();
                    if (ProcedureEntry chooser = FindProcedure("SelectShippingLabelCompany"))
                        Call(chooser, REQ::Select);
                } else if (control == Close) {
                    LOC.Response = RESP::Cancelled;
                    PostCloseWindow();
                }
                return false;
            case EVENT::Rejected:
                rt::beep();
                window().display(control);
                window().select(control);
                return true;
            default:
                return false;
        }
    }

    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void SelectLabelType() {
    LabelTypeChoice().run();
}
