// UpdateCheck: one check, entered from a client's bank data and paid to a payee. An insert
// is numbered at once and added by OK; a cancelled one leaves nothing behind.

#include <string>

#include "checks/account_number_entry.h"
#include "checks/check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/pay_to_lookup.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "records/checks.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/text/day_number.h"
#include "runtime/text/number_text.h"

namespace {

using namespace windows::check_form;

// A procedure the program lacks answers as if cancelled.
void callByName(const char* name) {
    if (ProcedureEntry p = FindProcedure(name))
        p();
    else
        GLO::Response = RESP::Cancelled;
}

// The client in the MAIL buffer into the check.
void copyClient() {
    CHE::FIRSTNAME.setText(MAI::FIRSTNAME.text());
    CHE::LASTNAME.setText(MAI::LASTNAME.text());
    CHE::CHECKNAME.setText(MAI::CKECKNAME.text());
    CHE::BANKNAME.setText(MAI::BANKNAME.text());
    CHE::ADDRESS.setText(MAI::ADDRESS.text());
    CHE::CITY.setText(MAI::CITY.text());
    CHE::STATE.setText(MAI::STATE.text());
    CHE::ZIP.setText(MAI::ZIP.text());
    CHE::BANKADDRESS.setText(MAI::BANKADDRESS.text());
    CHE::BANKCITYSTATEZIP.setText(MAI::BANKCITYSTATEZIP.text());
    CHE::FEDNUMBER1.setText(MAI::FEDNUMBER1.text());
    CHE::FEDNUMBER2.setText(MAI::FEDNUMBER2.text());
    CHE::TRANSIT.setText(MAI::TRANSIT.text());
    CHE::ACCOUNTNUMBER.setText(MAI::ACCOUNTNUMBER.text());
    CHE::CHECKNUMBER.setText(MAI::CHECKNUMBER.text());
    CHE::CHECKMEMO.setText(MAI::CHECKMEMO.text());
    CHE::MONTHLYAMOUNT.setNumber(MAI::MONTHLYAMOUNT.number());
    CHE::COMPANYNAME.setText(MAI::COMPANYNAME.text());
    CHE::CHECKDATE.setInteger(rt::today());
    CHE::AMOUNT.setNumber(MAI::AMOUNT.number());
    CHE::PAYTO.setText(MAI::PAYTO.text());
    CHE::PHONE.setText(MAI::HOMEPHONE.text().substr(0, 12));
    CHE::X1.setText(rt::numberToText(rt::Decimal(MAI::DRAFTDAY.integer())));
    CHE::X2.setText(MAI::TAB5.text());
}

class CheckForm : public FormProcedure {
  public:
    CheckForm() : FormProcedure(checkFormWindow(), sheet(), {&MAIL, &PAYEE}) {}

    static FormSheet sheet() {
        using namespace CheckFormControl;
        FormSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.insertPath = InsertPath::AutoNumbered;
        s.numberKey = CHE::KEYCHECKID;
        s.numberField = CHE::CHECKID.index();
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.helpButton = Help;
        s.help = [] { callByName("HelpBrowse"); };
        s.firstField = FirstName;
        s.duplicateKeyTexts = {{CHE::KEYCHECKID, "CHE:KeyCheckID"}};
        // A client is copied only when one was chosen.
        s.lookups.push_back({SelectClient, false, nullptr, -1, nullptr,
                             [] { callByName("SelectClient"); }, &copyClient, true});
        s.lookups.push_back({PostMonthlyDraft, false, nullptr, -1, nullptr,
                             [] { callByName("SelectMonthlyDraftClient"); }, &copyClient, true});
        s.lookups.push_back(PayToLookup(PayTo, CHE::PAYTO));
        return s;
    }

  protected:
    void setUpRecords() override {
        // Every check written through the form carries the two MICR symbol letters.
        CHE::CKSIGN.setText("C");
        CHE::ANSIGN.setText("A");
        FormProcedure::setUpRecords();
    }

    void primeRecord() override {
        CHE::CHECKDATE.setInteger(rt::today());
        CHE::FUNDS.setText("Payable In U.S. Funds");
    }

    void setUpWindow() override {
        using namespace CheckFormControl;
        FormProcedure::setUpWindow();
        if (!FindProcedure("SelectClient")) window().setProp(SelectClient, PROP::Disable, 1);
        if (!FindProcedure("SelectMonthlyDraftClient"))
            window().setProp(PostMonthlyDraft, PROP::Disable, 1);
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
    }

    bool takeOwnEvent() override {
        if (accountNumber_.take(window())) return true;
        // Only the user's own acceptance of the monthly amount copies it: the accept-all pass
        // of OK accepts every entry again and would overwrite a typed "Pay Exactly".
        if (window().accepted() == CheckFormControl::MonthlyAmount && !window().acceptAllActive()) {
            CHE::AMOUNT.setNumber(CHE::MONTHLYAMOUNT.number());
            window().display(CheckFormControl::Amount);
        }
        return false;
    }

  private:
    AccountNumberEntry accountNumber_{CheckFormControl::AccountNumber, CHE::ACCOUNTNUMBER};
};

}  // namespace

void UpdateCheck() {
    CheckForm().run();
}
