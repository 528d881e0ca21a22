// BrowseContacts: "Contacts", every contact with a follow-up day, in order of that day.

#include "followups/dated_list.h"
#include "followups/follow_ups_list_window.h"
#include "followups/followup_procedures.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"

namespace {

class FollowUpsList : public DatedContactsList {
  public:
    FollowUpsList() : DatedContactsList(dated()) {}

    static DatedListSheet dated() {
        DatedListSheet d;
        d.window = &windows::follow_ups_list::followUpsListWindow();
        d.order = BrowseOrder::keyed(MAI::KEYCONTACT, LocatorKind::Step, StopKind::None,
                                     "(Mai:ContDay > 0)");
        d.form = &UpdateContactInfo;
        d.rowFields = {
            &MAI::CONTDAY,  nullptr,           &MAI::FOLLOWUP,       &MAI::FIRSTNAME,
            &MAI::LASTNAME, &MAI::COMPANYNAME, &MAI::ADDRESS,        &MAI::CITY,
            &MAI::STATE,    &MAI::ZIP,         &MAI::APPOITMENTTYPE, &MAI::APPOINTMENTSUBJECT,
            &MAI::CONTDATE};
        d.clearProcedure = "ClearOldContacts";
        d.addProcedure = "AddContacts";
        d.reportProcedure = "PrintContactsReport";
        return d;
    }

  protected:
    // Today is read for every row built.
    int rowIcon(int) override {
        return DateStatusIcon(static_cast<long>(MAI::CONTDAY.integer()), rt::today());
    }
    std::vector<const char*> icons() const override {
        return {"~Blueb.ico", "~Greenb.ico", "~Redb.ico"};
    }
    // A typed character locates on the contact-date text; the rest of the key starts low.
    void locatorAssigned() override {
        MAI::CONTDAY.setInteger(0);
        MAI::FIRSTNAME.setText("");
        MAI::FOLLOWUP.setText("");
    }
};

}  // namespace

void BrowseContacts() {
    FollowUpsList().run();
}
