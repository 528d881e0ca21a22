// UpdateClientCheckInfo: the bank data of the contact the contact form is editing. It
// writes nothing itself; Enter moves on to the next field while the user fills the page.

#include "contacts/check_information_window.h"
#include "contacts/contact_procedures.h"
#include "frame/form_engine.h"
#include "frame/procedure_registry.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/ui/keys.h"

namespace {

using namespace windows::check_information;

class ClientCheckInfoForm : public FormProcedure {
  public:
    ClientCheckInfoForm() : FormProcedure(checkInfoWindow(), sheet(), {&PAYEE}) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &MAIL;
        s.cancelButton = CheckInfoControl::Ok;  // "OK" leaves with RESP::Cancelled
        s.handleSized = true;
        return s;
    }

  protected:
    bool takeOwnEvent() override {
        const int control = window().field();
        if (window().event() == EVENT::Selected && control == CheckInfoControl::PayTo)
            payToLookup();
        if (window().event() == EVENT::Accepted && control == CheckInfoControl::MonthlyAmount) {
            MAI::AMOUNT.setNumber(MAI::MONTHLYAMOUNT.number());
            window().display();
        }
        if (control != 0) enterMovesOn(control != CheckInfoControl::Ok);
        return false;
    }

    void finishing() override { enterMovesOn(false); }

  private:
    static void enterMovesOn(bool on) { rt::substituteKey(KEY::Enter, on ? KEY::Tab : 0); }

    void payToLookup() {
        PAY::PAYTO.setText(MAI::PAYTO.text());
        if (PAYEE.get(PAY::KEYPAYTO) == 0) return;
        ProcedureEntry select = FindProcedure("SelectPayTo");
        if (!select) return;
        enterMovesOn(false);
        if (CallLookup(select) == RESP::Completed) MAI::PAYTO.setText(PAY::PAYTO.text());
        window().display();
    }
};

}  // namespace

void UpdateClientCheckInfo() {
    ClientCheckInfoForm().run();
}
