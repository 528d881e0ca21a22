// UpdateClientCheckInfo: the bank data of the contact the contact form is editing. It
// writes nothing itself; Enter moves on to the next field while the user fills the page.

#include "checks/account_number_entry.h"
#include "checks/pay_to_lookup.h"
#include "contacts/check_information_window.h"
#include "contacts/contact_procedures.h"
#include "frame/form_engine.h"
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
        // Enter is Enter again while the payee list is open.
        FormLookup payTo = PayToLookup(CheckInfoControl::PayTo, MAI::PAYTO);
        payTo.selectList = [list = payTo.selectList] {
            enterMovesOn(false);
            list();
        };
        s.lookups = {payTo};
        return s;
    }

  protected:
    bool takeOwnEvent() override {
        if (accountNumber_.take(window())) return true;
        const int control = window().field();
        if (window().event() == EVENT::Accepted && control == CheckInfoControl::MonthlyAmount) {
            MAI::AMOUNT.setNumber(MAI::MONTHLYAMOUNT.number());
            window().display();
        }
        if (control != 0) enterMovesOn(control != CheckInfoControl::Ok);
        return false;
    }

    void finishing() override { enterMovesOn(false); }

  private:
    AccountNumberEntry accountNumber_{CheckInfoControl::AccountNumber, MAI::ACCOUNTNUMBER};

    static void enterMovesOn(bool on) { rt::substituteKey(KEY::Enter, on ? KEY::Tab : 0); }
};

}  // namespace

void UpdateClientCheckInfo() {
    ClientCheckInfoForm().run();
}
