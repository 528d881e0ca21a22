// ClearUpline: blanks the up-line mark of every contact the up-line search marked. Only the
// marked contacts are read and written; each is read again when it is written, so another
// station's change to it stays. Progress counts the bytes of the records read, one record per
// timer event.

#include "frame/record_process.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"

namespace {

PassSheet clearSheet() {
    PassSheet s;
    s.file = &MAIL;
    s.filter = "Mai:FromWhat = 'X'";
    s.displayName = "MAIL";
    s.countBytes = true;
    s.batchSize = 1000;
    return s;
}

class ClearUplineMarks : public ProcessPass {
  public:
    ClearUplineMarks()
        : ProcessPass("Tovik164", {&MAIL}, clearSheet(), {ProcessWrite::Put, "Clearing Upline"}) {}

  protected:
    void assignFields() override { MAI::FROMWHAT.setText(""); }
};

}  // namespace

void ClearUpline() {
    ClearUplineMarks().run();
}
