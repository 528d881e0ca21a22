// AddContacts and AddAppointments: every contact in the order of first name, last name or
// company, from which the follow-up or appointment form opens on a contact or a new one.

#include "followups/add_contacts_list_window.h"
#include "followups/followup_procedures.h"
#include "frame/browse_engine.h"
#include "records/mail.h"

namespace {

using namespace windows::add_contacts_list::AddListControl;

BrowseOrder entryOrder(int key, int entry) {
    BrowseOrder o = BrowseOrder::keyed(key, LocatorKind::Entry, StopKind::Text);
    o.entryControl = entry;
    return o;
}

BrowseSheet addListSheet(void (*form)()) {
    BrowseSheet s;
    s.file = &MAIL;
    s.displayName = "MAIL";
    s.list = List;
    s.tabs = Sheet;
    s.orders = {entryOrder(MAI::KEYFIRSTNAME, FirstName), entryOrder(MAI::KEYLASTNAME, LastName),
                entryOrder(MAI::KEYCOMPANYNAME, CompanyName)};
    s.columns = {MAI::FIRSTNAME.index(), MAI::LASTNAME.index(), MAI::COMPANYNAME.index()};
    s.buttons.insert = Insert;
    s.buttons.change = Open;
    s.buttons.remove = Delete;
    s.buttons.close = Close;
    s.updateForm = form;
    s.popupText = "&Insert|&Open|&Delete";
    s.popupTextEmpty = "&Insert|~&Open|~&Delete";
    s.popupButtons = {Insert, Open, Delete};
    s.resizable = true;
    return s;
}

}  // namespace

void AddContacts() {
    BrowseProcedure(windows::add_contacts_list::addContactsWindow(),
                    addListSheet(&UpdateContactInfo))
        .run();
}

void AddAppointments() {
    BrowseProcedure(windows::add_contacts_list::addAppointmentsWindow(),
                    addListSheet(&UpdateAppointmentInfo))
        .run();
}
