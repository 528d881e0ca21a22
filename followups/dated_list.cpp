#include "followups/dated_list.h"

#include "contacts/hand_overs.h"
#include "followups/follow_ups_list_window.h"
#include "frame/procedure_registry.h"
#include "records/mail.h"

using namespace windows::follow_ups_list::DatedListControl;

int DateStatusIcon(long day, long today) {
    if (day > 0 && day > today) return 2;
    if (day > 0 && day == today) return 1;
    if (day > 0 && day < today) return 3;
    return 0;
}

DatedContactsList::DatedContactsList(const DatedListSheet& dated)
    : BrowseProcedure(*dated.window, sheet(dated)), rowFields_(dated.rowFields) {
    OnButton(EMail, [] { SendEMail(MAI::NOTE2.text()); });
    OnButton(Web, [] { OpenWebSite(MAI::WEBSITE.text()); });
    OnButton(DialPhone, [this] {
        if (ProcedureEntry dial = FindProcedure("DialPhoneNumbers")) Call(dial);
    });
    const char* report = dated.reportProcedure;
    OnButton(PrintReport, [this, report] {
        if (ProcedureEntry print = FindProcedure(report)) Call(print);
    });
    const char* clear = dated.clearProcedure;
    OnButton(Clear, [this, clear] { closingCall(clear); });
    const char* add = dated.addProcedure;
    OnButton(Add, [this, add] { closingCall(add); });
}

BrowseSheet DatedContactsList::sheet(const DatedListSheet& dated) {
    BrowseSheet s;
    s.file = &MAIL;
    s.displayName = "MAIL";
    s.list = List;
    s.orders = {dated.order};
    s.quickScanFills = true;
    s.buttons.insert = Insert;
    s.buttons.change = Change;
    s.buttons.remove = Delete;
    s.buttons.close = Close;
    s.updateForm = dated.form;
    s.popupText = "&Insert|&Change|&Delete";
    s.popupTextEmpty = "&Insert|~&Change|~&Delete";
    s.popupButtons = {Insert, Change, Delete};
    return s;
}

// The call of a button after which the list closes itself: a new opening shows the result.
void DatedContactsList::closingCall(const char* name) {
    if (ProcedureEntry p = FindProcedure(name)) Call(p);
    PostCloseWindow();
}

void DatedContactsList::extraColumns(std::vector<rt::Value>& row) {
    int slot = 0;
    for (const rt::Field* f : rowFields_)
        row.push_back(f ? f->value() : rt::Value(rt::Decimal(rowIcon(slot++))));
}

bool DatedContactsList::takeEvent() {
    // A row chosen puts its fields (not its icons) back into the buffer: the side panel
    // shows them.
    if (window().event() == EVENT::NewSelection && window().field() == List && rowCount() > 0) {
        int row = static_cast<int>(window().prop(List, PROP::SelectedRow));
        if (row < 1 || row > rowCount()) row = currentRow();
        if (row >= 1 && row <= rowCount()) {
            const std::vector<rt::Value>& fields = rowFields(row);
            for (std::size_t i = 0; i < rowFields_.size() && i < fields.size(); ++i)
                if (rowFields_[i]) rowFields_[i]->setValue(fields[i]);
        }
    }
    return BrowseProcedure::takeEvent();
}

void DatedContactsList::setUpWindow() {
    BrowseProcedure::setUpWindow();
    const std::vector<const char*> pictures = icons();
    for (std::size_t i = 0; i < pictures.size(); ++i)
        window().setListIcon(List, static_cast<int>(i) + 1, pictures[i]);
    if (!FindProcedure("DialPhoneNumbers")) window().setProp(DialPhone, PROP::Disable, 1);
}
