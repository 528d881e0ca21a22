// BrowseAppointments: "Appointments", every contact with an appointment, in order of date
// and time.

#include "followups/appointments_list_window.h"
#include "followups/dated_list.h"
#include "followups/followup_procedures.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"

namespace {

constexpr int kIconPm = 4, kIconAm = 5;

class AppointmentsList : public DatedContactsList {
  public:
    AppointmentsList() : DatedContactsList(dated()) {}

    static DatedListSheet dated() {
        DatedListSheet d;
        d.window = &windows::appointments_list::appointmentsListWindow();
        d.order = BrowseOrder::keyed(MAI::APOINTDATE, LocatorKind::Step, StopKind::None,
                                     "(Mai:AppointmentDate > 0)");
        d.form = &UpdateAppointmentInfo;
        d.rowFields = {&MAI::APPOINTMENTDATE,
                       nullptr,
                       &MAI::APPOINTMENTTIME,
                       &MAI::AM,
                       nullptr,
                       &MAI::PM,
                       nullptr,
                       &MAI::FIRSTNAME,
                       &MAI::LASTNAME,
                       &MAI::COMPANYNAME,
                       &MAI::ADDRESS,
                       &MAI::CITY,
                       &MAI::STATE,
                       &MAI::ZIP,
                       &MAI::APPOITMENTTYPE,
                       &MAI::APPOINTMENTSUBJECT};
        d.clearProcedure = "ClearOldAppointments";
        d.addProcedure = "AddAppointments";
        d.reportProcedure = "PrintAppointmentsReport";
        return d;
    }

  protected:
    // Slot 0: the date against today; slot 1: AM before PM; slot 2 (the PM column): none.
    int rowIcon(int slot) override {
        if (slot == 0) {
            return DateStatusIcon(rt::dayNumberFromText(MAI::APPOINTMENTDATE.text()), rt::today());
        }
        if (slot == 1) {
            if (!rt::clip(MAI::AM.text()).empty()) return kIconAm;
            if (!rt::clip(MAI::PM.text()).empty()) return kIconPm;
        }
        return 0;
    }
    std::vector<const char*> icons() const override {
        return {"~Blueb.ico", "~Greenb.ico", "~Redb.ico", "~blueb.ico", "~greenb.ico"};
    }
    // A typed digit locates on the first digit of the stored day number.
    void locatorAssigned() override {
        MAI::APPOINTMENTTIME.setText("");
        MAI::AM.setText("");
        MAI::PM.setText("");
    }
};

}  // namespace

void BrowseAppointments() {
    AppointmentsList().run();
}
