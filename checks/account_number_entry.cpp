#include "checks/account_number_entry.h"

#include "records/bank_account.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

bool AccountNumberEntry::take(rt::Window& window) {
    // The first event the form sees comes before any typing: the number the record holds.
    if (!before_) before_ = field_.text();
    if (window.field() != control_ || window.event() != EVENT::Accepted) return false;
    if (records::accountNumberFits(field_.text())) {
        before_ = field_.text();
        return false;
    }
    rt::message(records::accountNumberRefusal(), "Account Number", ICON::Exclamation);
    field_.setText(*before_);
    window.display(control_);
    window.select(control_);
    return true;
}
