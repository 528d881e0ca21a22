// UpdateAdditionalNotes: the memo MAI:NOTES3 of the contact the calling form is editing.
// It writes nothing itself: the notes stay in the shared buffer for the calling form.

#include "contacts/additional_notes_window.h"
#include "contacts/contact_procedures.h"
#include "frame/form_engine.h"
#include "frame/warnings.h"
#include "records/mail.h"

namespace {

using namespace windows::additional_notes;

class AdditionalNotesForm : public FormProcedure {
  public:
    AdditionalNotesForm() : FormProcedure(notesWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &MAIL;
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = NotesControl::Close;   // the hidden completing button
        s.cancelButton = NotesControl::Ok;  // "&Ok" leaves
        s.firstField = NotesControl::Notes;
        return s;
    }

  protected:
    void beforeSetUp() override {
        if (LOC.EntryRequest == REQ::Insert) {
            ShowWarningPlain(WARN::InsertNotAllowed);
            FinishProcedure();
        }
        if (LOC.EntryRequest == REQ::Delete) {
            ShowWarningPlain(WARN::DeleteNotAllowed);
            FinishProcedure();
        }
    }
};

}  // namespace

void UpdateAdditionalNotes() {
    AdditionalNotesForm().run();
}
