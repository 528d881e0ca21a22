// SearchCompanyID: finds contacts by their company ID (MAI:TAB4) for the levels list and
// tags or untags them in TAG::Genealogy. Every search reads MAIL in record order; the
// criterion is stored upper-cased, so the match ignores case.

#include "frame/globals.h"
#include "frame/progress_window.h"
#include "frame/search_form.h"
#include "genealogy/company_id_search_window.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

using namespace windows::company_id_search::CompanyIdControl;

SearchSheet companyIdSheet() {
    SearchSheet s;
    s.file = &MAIL;
    s.fields = {{CompanyId, FieldKind::Text, "MAI:TAB4"}};
    s.hiddenInSearch = {Ok};
    s.tagTable = TAG::Genealogy;
    s.tagValueField = MAI::FIRSTNAME.index();
    s.okButton = Ok;
    s.searchTypeButton = SearchType;
    s.beginButton = BeginSearch;
    s.cancelButton = Cancel;
    s.progressWindow = &windows::progressWindow("Tovik165");
    // No edit procedure: "&Edit This" stands on the hidden button, so a match is only shown.
    return s;
}

}  // namespace

void SearchCompanyID() {
    SearchFormProcedure(windows::company_id_search::companyIdSearchWindow(), companyIdSheet(),
                        {&TagFile})
        .runSearch();
}
