// UpdatePayee: adds, changes or deletes one payee for the payee list.

#include "checks/check_procedures.h"
#include "checks/payee_form_window.h"
#include "frame/form_engine.h"
#include "records/payee.h"

namespace {

using namespace windows::payee_form::PayeeFormControl;

FormSheet payeeSheet() {
    FormSheet s;
    s.file = &PAYEE;
    s.caption = CaptionStyle::StringControl;
    s.captionControl = Caption;
    s.closeQuestion = CloseQuestion::SaveChanges;
    s.conflictFlag = 0;
    s.okButton = Ok;
    s.cancelButton = Cancel;
    return s;
}

}  // namespace

void UpdatePayee() {
    FormProcedure(windows::payee_form::payeeFormWindow(), payeeSheet()).run();
}
