// UpdateMAIL: the contact form.

#include <string>

#include "contacts/contact_form_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/hand_overs.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/select_date.h"
#include "records/mail.h"
#include "records/payee.h"
#include "records/plf.h"
#include "records/zip.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

using namespace windows::contact_form;

constexpr const char* kNewKinds[] = {"Home Phone", "Work Phone", "Fax", "Cell Phone", "Voice Mail"};

const rt::Field* phoneField(int row) {
    static const rt::Field* const fields[] = {&MAI::HOMEPHONE, &MAI::WORKPHONE, &MAI::FAX,
                                              &MAI::CELLPHONE, &MAI::BEEPER};
    return fields[row];
}

const rt::Field* kindField(int row) {
    static const rt::Field* const fields[] = {&MAI::PHONE1, &MAI::PHONE2, &MAI::PHONE3,
                                              &MAI::PHONE4, &MAI::PHONE5};
    return fields[row];
}

void callIfRegistered(const char* name) {
    if (ProcedureEntry p = FindProcedure(name)) p();
}

class ContactForm : public FormProcedure {
  public:
    ContactForm() : FormProcedure(contactFormWindow(), sheet(), {&ZIP, &PAYEE, &PLF}) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &MAIL;
        s.caption = CaptionStyle::StatusText;
        s.closeQuestion = CloseQuestion::ConfirmCancel;
        s.insertPath = InsertPath::AddOnCompletion;
        s.conflictFlag = 0;
        s.okButton = ContactFormControl::Ok;
        s.cancelButton = ContactFormControl::Cancel;
        s.helpButton = ContactFormControl::Help;
        s.help = [] { callIfRegistered("HelpBrowse"); };
        s.firstField = ContactFormControl::FirstName;
        return s;
    }

  protected:
    void beforeSetUp() override { dialingName_ = DialingName(); }

    void primeRecord() override {
        MAI::LETTERS.setData("");
        for (int row = 0; row < 5; ++row)
            kindField(row)->setText(kNewKinds[row]);
        // A copy starts a new member: no down-line counts and no up-line mark of its own.
        const rt::Field* levels[] = {&MAI::L1, &MAI::L2, &MAI::L3, &MAI::L4, &MAI::L5,
                                     &MAI::L6, &MAI::L7, &MAI::L8, &MAI::L9, &MAI::L10};
        for (const rt::Field* level : levels)
            level->setNumber(rt::Decimal(0));
        MAI::FROMWHAT.setText("");
    }

    void setUpRecords() override {
        FormProcedure::setUpRecords();
        // After the copy: the entry date counts as a change of the new record.
        if (LOC.EntryRequest == REQ::Insert) MAI::DATE.setInteger(rt::today());
    }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (!FindProcedure("ZipCode"))
            window().setProp(ContactFormControl::ZipLookup, PROP::Disable, 1);
        if (!FindProcedure("AreaCodes"))
            window().setProp(ContactFormControl::AreaCodeLookup, PROP::Disable, 1);
        if (!FindProcedure("HelpBrowse"))
            window().setProp(ContactFormControl::Help, PROP::Disable, 1);
    }

    bool takeEvent() override {
        if (window().event() == EVENT::Completed) MAI::ACCESSDATE.setInteger(rt::today());
        return FormProcedure::takeEvent();
    }

    bool takeOwnEvent() override {
        using namespace ContactFormControl;
        const int control = window().field();
        const int event = window().event();
        if (control == MoreNotes && control != 0) {
            MAI::CHECK1.setText(rt::clip(MAI::NOTES3.text()).empty() ? " " : "X");
            window().display(MoreNotes);
        }
        if (event == EVENT::Selected) {
            if (control == Zip) lookUpZip();
            if (control == SendEMailButton) SendEMail(MAI::NOTE2.text());
            return false;
        }
        if (event != EVENT::Accepted) return false;
        for (int row = 0; row < 5; ++row)
            if (control == dialButton(row)) DialNumber(phoneField(row)->text(), dialingName_);
        switch (control) {
            case ZipLookup:
                if (ProcedureEntry zip = FindProcedure("ZipCode")) CallLookup(zip);
                window().display();
                break;
            case AreaCodeLookup:
                Call([] { callIfRegistered("AreaCodes"); });
                break;
            case WebButton:
                OpenWebSite(MAI::WEBSITE.text());
                break;
            case AdditionalNotes:
                Call(&UpdateAdditionalNotes);
                break;
            case CheckInformation:
                Call(&UpdateClientCheckInfo);
                break;
            case TakeSponsor:
                takeSponsor();
                break;
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
            default:
                break;
        }
        return false;
    }

  private:
    // A zip that the table does not hold (a blank one included) opens the zip list.
    void lookUpZip() {
        ZIP::ZIP_.setText(MAI::ZIP.text().substr(0, 5));
        if (ZIP.get(ZIP::KEYZIP) == 0) return;
        ProcedureEntry zip = FindProcedure("ZipCode");
        if (!zip) return;
        if (CallLookup(zip) == RESP::Completed) MAI::ZIP.setText(ZIP::ZIP_.text());
        window().display();
    }

    void takeSponsor() {
        MAI::SPONSORID.setText(std::string(GLO::SponsorIdNumber.view().substr(0, 15)));
        window().display(ContactFormControl::SponsorId);
        MAI::LEVEL.setInteger(rt::textToNumber(GLO::SponsorLevel.view()).toDouble() + 1);
        window().display(ContactFormControl::Level);
        MAI::SPONSOR.setText(GLO::SponsorName.view());
        window().display(ContactFormControl::Sponsor);
    }

    std::string dialingName_;
};

}  // namespace

void UpdateMAIL() {
    ContactForm().run();
}
