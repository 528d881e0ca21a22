// SearchMonthlyDrafts: with REQ::Search it finds records of CHECKS by draft day (a blank day
// is 0) and tags or untags them in TAG::MonthlyDrafts; "&Edit This" hands the draft found back
// to the drafts list, which calls the form again with REQ::Change: then it is the form of the
// draft day of the record in the buffer, in the same window and at the same place.

#include "checks/check_procedures.h"
#include "checks/draft_search_window.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/progress_window.h"
#include "frame/search_form.h"
#include "records/checks.h"
#include "records/tag_file.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::draft_search;
using namespace DraftSearchControl;

// A day the entry's picture refuses (letters, signs) has been answered with the message
// of every number entry; the entry shows its value from before and keeps the focus.
bool refusedDay(rt::Window& w) {
    if (w.event() != EVENT::Rejected || w.field() != DraftDay) return false;
    w.display(DraftDay);
    w.select(DraftDay);
    return true;
}

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
    s.editThroughCaller = true;
    return s;
}

class DraftDaySearch : public SearchFormProcedure {
  public:
    DraftDaySearch() : SearchFormProcedure(draftSearchWindow(), searchSheet(), {&TagFile}) {}

  protected:
    bool takeEvent() override { return refusedDay(window()) || SearchFormProcedure::takeEvent(); }
};

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
        placeWindow();
    }

    bool takeOwnEvent() override { return refusedDay(window()); }

  private:
    // The first change of the run opens where the search window stood; every later one opens
    // at that same place.
    void placeWindow() {
        rt::Window& w = window();
        if (GLO::KeptEditX != 0 || GLO::KeptEditY != 0) {
            w.setProp(0, PROP::Xpos, GLO::KeptEditX);
            w.setProp(0, PROP::Ypos, GLO::KeptEditY);
            GLO::KeptEditX = 0;
            GLO::KeptEditY = 0;
        }
        if (GLO::ChangeFormPlaced) {
            w.setProp(0, PROP::Xpos, GLO::ChangeFormX);
            w.setProp(0, PROP::Ypos, GLO::ChangeFormY);
        } else {
            GLO::ChangeFormX = w.prop(0, PROP::Xpos);
            GLO::ChangeFormY = w.prop(0, PROP::Ypos);
            GLO::ChangeFormPlaced = true;
        }
    }
};

}  // namespace

void SearchMonthlyDrafts() {
    if (GLO::Request == REQ::Search) {
        DraftDaySearch().runSearch();
        return;
    }
    DraftDayForm().run();
}
