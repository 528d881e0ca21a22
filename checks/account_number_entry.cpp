#include "checks/account_number_entry.h"

#include "records/bank_account.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

bool AccountNumberEntry::take(rt::Window& window) {
    if (window.field() != control_) return false;
    if (window.event() == EVENT::Selected) {
        before_ = field_.text();
        return false;
    }
    if (window.event() != EVENT::Accepted || records::accountNumberFits(field_.text()))
        return false;
    rt::message(records::accountNumberRefusal(), "Account Number", ICON::Exclamation);
    // A number the record already held before the entry was ever selected is left for the
    // user to mend.
    if (before_) field_.setText(*before_);
    window.display(control_);
    window.select(control_);
    return true;
}
