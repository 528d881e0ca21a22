// ClearOldAppointments: blanks the appointment of every contact whose appointment date lies
// before today. Only contacts with an appointment are touched. Each contact is read again
// when it is written, so another station's change to it stays.

#include "followups/followup_procedures.h"
#include "frame/record_process.h"
#include "records/mail.h"

namespace {

PassSheet clearSheet() {
    PassSheet s;
    s.file = &MAIL;
    s.key = "MAI:APOINTDATE";
    // The date is a text holding the day number: compared with a number it reads as one.
    s.filter = "MAI:AppointmentDate > 0 AND MAI:AppointmentDate < Today()";
    s.displayName = "MAIL";
    s.expectedRecords = 100;
    s.batchSize = 25;
    return s;
}

class ClearPastAppointments : public ProcessPass {
  public:
    ClearPastAppointments()
        : ProcessPass("Tovik030", {&MAIL}, clearSheet(),
                      {ProcessWrite::Put, "Clearing Old Appointments"}) {}

  protected:
    void assignFields() override {
        MAI::APPOITMENTTYPE.setText("");
        MAI::APPOINTMENTDATE.setText("");
        MAI::APPOINTMENTTIME.setText("");
        MAI::APPOINTMENTSUBJECT.setText("");
        MAI::AM.setText("");
        MAI::PM.setText("");
        MAI::APPOINTMENTNOTES.setText("");
    }
};

}  // namespace

void ClearOldAppointments() {
    ClearPastAppointments().run();
}
