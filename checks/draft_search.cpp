// SearchMonthlyDrafts: with REQ::Search it finds records of CHECKS by draft day (a blank day
// is 0) and tags or untags them in TAG::MonthlyDrafts; with REQ::Change it is the form of the
// draft day of the record in the buffer, in the same window.

#include "checks/check_procedures.h"
#include "checks/draft_search_window.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/progress_window.h"
#include "frame/search_form.h"
#include "records/checks.h"
#include "records/tag_file.h"

namespace {

using namespace windows::draft_search;
using namespace DraftSearchControl;

SearchSheet searchSheet() {
    SearchSheet s;
    s.file = &CHECKS;
    s.fields = {{DraftDay, FieldKind::Number, "CHE:X1"}};
    s.hiddenInSearch = {Panel, Ok};
    s.tagTable = TAG::MonthlyDrafts;
    s.tagValueField = CHE::CHECKID.index();
    s.okButton = Ok;
    s.searchTypeButton = SearchType;
    s.beginButton = BeginSearch;
    s.cancelButton = Cancel;
    s.progressWindow = &windows::progressWindow("Tovik092");
    s.editProcedure = [] { SearchMonthlyDrafts(); };
    return s;
}

class DraftDayForm : public FormProcedure {
  public:
    DraftDayForm() : FormProcedure(draftSearchWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.conflictFlag = 0;
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = Ok;
        s.cancelButton = Cancel;
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

void SearchMonthlyDrafts() {
    if (GLO::Request == REQ::Search) {
        SearchFormProcedure(draftSearchWindow(), searchSheet(), {&TagFile}).runSearch();
        return;
    }
    DraftDayForm().run();
}
