// BrowseBlankChecks: the blank checks, added, copied, changed and deleted through
// UpdateBlankCheck, numbered after the last check number used, and printed three or one to
// a page. The first tab lists them in the order they were stored.

#include "checks/blank_checks_window.h"
#include "checks/check_procedures.h"
#include "frame/browse_engine.h"
#include "frame/procedure_registry.h"
#include "records/blank.h"

namespace {

using namespace windows::blank_checks;
using namespace BlankChecksControl;

class BlankChecks : public BrowseProcedure {
  public:
    BlankChecks() : BrowseProcedure(blankChecksWindow(), sheet()) {
        OnButton(SetNumbers, [this] { Call(&EnterLastCheckNumber); });
        OnButton(PrintThreeUp, [this] {
            Call(&PrintBlankChecksThreeUp);
            PostCloseWindow();
        });
        OnButton(PrintOneUp, [this] { Call(&PrintBlankChecksOneUp); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &BLANK;
        s.displayName = "Blank";
        s.list = List;
        s.tabs = Sheet;
        // The last-name and company tabs have their keys; any other tab is record order.
        s.orderOfTab = [](int tab) {
            if (tab == LastNameTab) return 1;
            if (tab == CompanyNameTab) return 2;
            return 3;
        };
        s.orders = {BrowseOrder::keyed(CHE1::KEYLASTNAME, LocatorKind::Incremental),
                    BrowseOrder::keyed(CHE1::KEYCOMPANYNAME, LocatorKind::Incremental),
                    BrowseOrder::keyed(-1, LocatorKind::None)};
        s.columns = {CHE1::FIRSTNAME.index(), CHE1::LASTNAME.index(), CHE1::COMPANYNAME.index(),
                     CHE1::CHECKNUMBER.index()};
        s.quickScanFills = true;
        s.buttons.insert = Add;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.copy = Copy;
        s.buttons.close = Close;
        s.buttons.help = Help;
        s.help = [] {
            if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
        };
        s.rowControls = {Copy, Open, Delete};
        s.updateForm = [] { UpdateBlankCheck(); };
        s.popupText = "&Add|&Open|&Delete|-|Cop&y";
        s.popupTextEmpty = "&Add|~&Open|~&Delete|-|~Cop&y";
        s.popupButtons = {Add, Open, Delete, Copy};  // the separator is no item
        s.handleSized = true;
        return s;
    }

  protected:
    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
    }
};

}  // namespace

void BrowseBlankChecks() {
    BlankChecks().run();
}
