// UpdateMonthlyDraft: one monthly draft, changed or deleted. Drafts are made in the check
// form; this form never adds one.

#include "checks/account_number_entry.h"
#include "checks/check_procedures.h"
#include "checks/draft_form_window.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "records/checks.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::draft_form;
using namespace DraftFormControl;

class DraftForm : public FormProcedure {
  public:
    DraftForm() : FormProcedure(draftFormWindow(), sheet(), {&MAIL, &PAYEE}) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.helpButton = Help;
        s.help = [] {
            if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
        };
        s.firstField = DraftDay;
        return s;
    }

  protected:
    void setUpRecords() override {
        // The two MICR symbol letters are part of the copy: alone they are no change.
        CHE::CKSIGN.setText("C");
        CHE::ANSIGN.setText("A");
        FormProcedure::setUpRecords();
    }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
    }

    bool takeOwnEvent() override {
        if (accountNumber_.take(window())) return true;
        // Only the user's own acceptance copies the monthly amount, not the pass of OK.
        if (window().accepted() == MonthlyAmount && !window().acceptAllActive()) {
            CHE::AMOUNT.setNumber(CHE::MONTHLYAMOUNT.number());
            window().display(Amount);
        }
        return false;
    }

  private:
    AccountNumberEntry accountNumber_{AccountNumber, CHE::ACCOUNTNUMBER};
};

}  // namespace

void UpdateMonthlyDraft() {
    // Drafts come from the check form; an insert here would make a draft without a client.
    if (GLO::Request == REQ::Insert) {
        GLO::Response = RESP::Cancelled;
        return;
    }
    DraftForm().run();
}
