// SearchMAIL: the contact search form. REQ::Search finds contacts by example and tags or
// untags them in TAG::Contacts; every other request goes on, unchanged, to UpdateMAIL.

#include "contacts/contact_procedures.h"
#include "contacts/contact_search_window.h"
#include "frame/globals.h"
#include "frame/progress_window.h"
#include "frame/search_form.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

using namespace windows::contact_search;
using namespace SearchControl;

SearchSheet sheet() {
    SearchSheet s;
    s.file = &MAIL;
    s.fields = {
        {FirstName, FieldKind::Text, "MAI:FIRSTNAME"},
        {LastName, FieldKind::Text, "MAI:LASTNAME"},
        {CompanyName, FieldKind::Text, "MAI:COMPANYNAME"},
        {Address, FieldKind::Text, "MAI:ADDRESS"},
        {Tag3, FieldKind::Text, "MAI:TAB3"},
        {Date, FieldKind::Date, "MAI:DATE"},
        {City, FieldKind::Text, "MAI:CITY"},
        {State, FieldKind::Text, "MAI:STATE"},
        {Zip, FieldKind::Text, "MAI:ZIP"},
        {CompanyId, FieldKind::Text, "MAI:TAB4"},
        {Tag1, FieldKind::Text, "MAI:TAB1"},
        {Tag2, FieldKind::Text, "MAI:TAB2"},
        {PhoneKind1, FieldKind::Choice, "MAI:PHONE1"},
        {HomePhone, FieldKind::Text, "MAI:HOMEPHONE"},
        {PhoneKind2, FieldKind::Choice, "MAI:PHONE2"},
        {WorkPhone, FieldKind::Text, "MAI:WORKPHONE"},
        {PhoneKind3, FieldKind::Choice, "MAI:PHONE3"},
        {Fax, FieldKind::Text, "MAI:FAX"},
        {PhoneKind4, FieldKind::Choice, "MAI:PHONE4"},
        {CellPhone, FieldKind::Text, "MAI:CELLPHONE"},
        {Note1, FieldKind::Text, "MAI:NOTE1"},
        {EMail, FieldKind::Text, "MAI:NOTE2"},
        {Notes, FieldKind::Memo, "MAI:NOTES3"},
    };
    s.hiddenInSearch = {Ok};
    s.keyStarts = {{FirstName, MAI::KEYFIRSTNAME},
                   {Date, MAI::KEYDATE},
                   {LastName, MAI::KEYLASTNAME},
                   {CompanyName, MAI::KEYCOMPANYNAME},
                   {City, MAI::KEYCITY},
                   {State, MAI::KEYSTATE},
                   {Zip, MAI::KEYZIP}};
    s.tagTable = TAG::Contacts;
    s.tagValueField = MAI::FIRSTNAME.index();
    s.okButton = Ok;
    s.searchTypeButton = SearchType;
    s.beginButton = BeginSearch;
    s.cancelButton = Cancel;
    s.progressWindow = &windows::progressWindow("Tovik023");
    s.editProcedure = [] { UpdateMAIL(); };
    return s;
}

}  // namespace

void SearchMAIL() {
    if (GLO::Request != REQ::Search) {
        UpdateMAIL();
        return;
    }
    SearchFormProcedure(searchWindow(), sheet(), {&TagFile}).runSearch();
}
