// SearchChecks: with REQ::Search it finds checks by example, printed or not, and tags or
// untags them in TAG::CheckRegister; with REQ::Change it is the form of the check in the
// buffer, in the same window.

#include "checks/check_procedures.h"
#include "checks/check_search_window.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/progress_window.h"
#include "frame/search_form.h"
#include "records/checks.h"
#include "records/tag_file.h"

namespace {

using namespace windows::check_search;
using namespace CheckSearchControl;

SearchSheet searchSheet() {
    SearchSheet s;
    s.file = &CHECKS;
    s.fields = {
        {FirstName, FieldKind::Text, "CHE:FIRSTNAME"},
        {CheckNumber, FieldKind::Text, "CHE:CHECKNUMBER"},
        {CheckId, FieldKind::Number, "CHE:CHECKID"},
        {CheckDate, FieldKind::Date, "CHE:CHECKDATE"},
        {LastName, FieldKind::Text, "CHE:LASTNAME"},
        {CompanyName, FieldKind::Text, "CHE:COMPANYNAME"},
        {Amount, FieldKind::Number, "CHE:AMOUNT"},
        {Address, FieldKind::Text, "CHE:ADDRESS"},
        {City, FieldKind::Text, "CHE:CITY"},
        {MonthlyAmount, FieldKind::Number, "CHE:MONTHLYAMOUNT"},
        {State, FieldKind::Text, "CHE:STATE"},
        {Zip, FieldKind::Text, "CHE:ZIP"},
        {Phone, FieldKind::NumberPicture, "CHE:PHONE"},
        {CheckName, FieldKind::Text, "CHE:CHECKNAME"},
        {PayTo, FieldKind::Text, "CHE:PAYTO"},
        {CheckMemo, FieldKind::Text, "CHE:CHECKMEMO"},
    };
    s.hiddenInSearch = {Ok, CheckNumberPrompt, AmountPrompt, MonthlyAmountPrompt, CheckMemoPrompt};
    s.keyStarts = {{FirstName, CHE::KEYFIRSTNAME},
                   {CheckNumber, CHE::KEYCHECKNUMBER},
                   {PayTo, CHE::KEYPAYTO},
                   {LastName, CHE::KEYLASTNAME},
                   {CompanyName, CHE::KEYCOMPANYNAME},
                   {City, CHE::KEYCITY},
                   {State, CHE::KEYSTATE},
                   {Zip, CHE::KEYZIP},
                   {CheckId, CHE::KEYCHECKID},
                   {CheckDate, CHE::KEYCHECKDATE}};
    s.tagTable = TAG::CheckRegister;
    s.tagValueField = CHE::CHECKID.index();
    s.okButton = Ok;
    s.searchTypeButton = SearchType;
    s.beginButton = BeginSearch;
    s.cancelButton = Cancel;
    s.progressWindow = &windows::progressWindow("Tovik025");
    s.editProcedure = [] { SearchChecks(); };
    return s;
}

// The change: a guarded update of a changed check; Completed only when it was written or
// had not changed.
class CheckChangeForm : public FormProcedure {
  public:
    CheckChangeForm() : FormProcedure(checkSearchWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.caption = CaptionStyle::WindowTitle;
        s.changeCaption = "Record Will Be Changed";
        s.conflictFlag = 0;
        s.closeQuestion = CloseQuestion::None;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.handleSized = true;
        return s;
    }

  protected:
    void setUpWindow() override {
        FormProcedure::setUpWindow();
        window().setProp(SearchType, PROP::Hide, 1);
        window().setProp(BeginSearch, PROP::Hide, 1);
        window().setProp(Ok, PROP::Default, 1);
    }
};

}  // namespace

void SearchChecks() {
    if (GLO::Request == REQ::Search) {
        SearchFormProcedure(checkSearchWindow(), searchSheet(), {&TagFile}).runSearch();
        return;
    }
    CheckChangeForm().run();
}
