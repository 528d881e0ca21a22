// UpdateContactInfo and UpdateAppointmentInfo: one form over a contact's follow-up,
// appointment, address, telephone and check data, in two editions.

#include <string>

#include "checks/account_number_entry.h"
#include "checks/pay_to_lookup.h"
#include "followups/follow_up_form_window.h"
#include "followups/followup_procedures.h"
#include "frame/form_engine.h"
#include "frame/procedure_registry.h"
#include "frame/select_date.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"

namespace {

using windows::follow_up_form::Edition;
using namespace windows::follow_up_form::FollowUpFormControl;

constexpr const char* kNewKinds[] = {"Home Phone", "Work Phone", "Fax", "Cell Phone", "Voice Mail"};

void callIfRegistered(const char* name) {
    if (ProcedureEntry p = FindProcedure(name)) p();
}

class FollowUpForm : public FormProcedure {
  public:
    explicit FollowUpForm(Edition edition)
        : FormProcedure(windows::follow_up_form::followUpFormWindow(edition), sheet(edition),
                        {&PAYEE}) {}

    static FormSheet sheet(Edition edition) {
        FormSheet s;
        // The first field of the edition's first page: focusing it shows that page.
        if (edition == Edition::Appointment) s.firstField = AppointmentType;
        s.file = &MAIL;
        s.caption = CaptionStyle::StatusText;
        s.closeQuestion = CloseQuestion::ConfirmCancel;
        s.conflictFlag = 0;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.helpButton = Help;
        s.help = [] { callIfRegistered("HelpBrowse"); };
        s.lookups = {PayToLookup(PayTo, MAI::PAYTO)};
        return s;
    }

  protected:
    void primeRecord() override {
        MAI::LETTERS.setData("");
        const rt::Field* kinds[] = {&MAI::PHONE1, &MAI::PHONE2, &MAI::PHONE3, &MAI::PHONE4,
                                    &MAI::PHONE5};
        for (int i = 0; i < 5; ++i)
            kinds[i]->setText(kNewKinds[i]);
    }

    void setUpRecords() override {
        FormProcedure::setUpRecords();
        // After the copy: the entry date counts as a change of the new record.
        if (LOC.EntryRequest == REQ::Insert) MAI::DATE.setInteger(rt::today());
    }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
        if (!FindProcedure("UpdateAdditionalNotes"))
            window().setProp(AdditionalNotes, PROP::Disable, 1);
    }

    bool takeEvent() override {
        if (window().event() == EVENT::Completed) MAI::ACCESSDATE.setInteger(rt::today());
        return FormProcedure::takeEvent();
    }

    bool takeOwnEvent() override {
        if (accountNumber_.take(window())) return true;
        const int control = window().field();
        if (control == MoreNotes) {
            MAI::CHECK1.setText(rt::clip(MAI::NOTES3.text()).empty() ? " " : "X");
            window().display(MoreNotes);
        }
        if (window().event() != EVENT::Accepted) return false;
        switch (control) {
            case ContactCalendar: {
                const long chosen = SelectDate("Contact Date", 0, 0, 1);
                MAI::CONTDAY.setInteger(DateAfterCalendar(chosen, MAI::CONTDAY.integer()));
                window().display(ContactDate);
                break;
            }
            case AppointmentCalendar: {
                const long previous = rt::dayNumberFromText(MAI::APPOINTMENTDATE.text());
                const long chosen =
                    DateAfterCalendar(SelectDate("Appointment Date", 0, 0, 1), previous);
                if (chosen != previous) MAI::APPOINTMENTDATE.setText(std::to_string(chosen));
                window().display(AppointmentDate);
                break;
            }
            case MonthlyAmount:
                MAI::AMOUNT.setNumber(MAI::MONTHLYAMOUNT.number());
                window().display();
                break;
            case AdditionalNotes:
                Call([] { callIfRegistered("UpdateAdditionalNotes"); });
                break;
            default:
                break;
        }
        return false;
    }

  private:
    AccountNumberEntry accountNumber_{AccountNumber, MAI::ACCOUNTNUMBER};
};

}  // namespace

void UpdateContactInfo() {
    FollowUpForm(Edition::FollowUp).run();
}

void UpdateAppointmentInfo() {
    FollowUpForm(Edition::Appointment).run();
}
