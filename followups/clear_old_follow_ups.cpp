// ClearOldContacts: blanks the follow-up of every contact whose follow-up day lies before
// today. Only contacts with a follow-up day are touched: a contact without one keeps its
// notes, letter and kind. Each contact is read again when it is written, so another station's
// change to it stays.

#include "followups/followup_procedures.h"
#include "frame/record_process.h"
#include "records/mail.h"

namespace {

PassSheet clearSheet() {
    PassSheet s;
    s.file = &MAIL;
    s.key = "MAI:KEYCONTACT";
    s.filter = "Mai:ContDay > 0 AND Mai:ContDay < Today()";
    s.displayName = "MAIL";
    s.expectedRecords = 100;
    s.batchSize = 25;
    return s;
}

class ClearOldFollowUps : public ProcessPass {
  public:
    ClearOldFollowUps()
        : ProcessPass("Tovik025", {&MAIL}, clearSheet(),
                      {ProcessWrite::Put, "Clearing Contact Information"}) {}

  protected:
    // The results of the contact stay: only the follow-up itself is blanked.
    void assignFields() override {
        MAI::FOLLOWUP.setText("");
        MAI::CONTACTNOTES.setText("");
        MAI::CONTDATE.setText("");
        MAI::CONTACTLETTER.setText("");
        MAI::CONTDAY.setInteger(0);
    }
};

}  // namespace

void ClearOldContacts() {
    ClearOldFollowUps().run();
}
