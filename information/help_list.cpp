// "Help" (HelpBrowse): the help topics by title, opened from the Help buttons of the lists
// and forms and from the main menu; "  Print The Manual" opens the manual and closes the list.
#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "information/help_list_window.h"
#include "information/information_procedures.h"
#include "information/manual.h"
#include "records/help.h"

namespace {

namespace C = windows::help_list::HelpListControl;

class HelpList : public BrowseProcedure {
  public:
    HelpList() : BrowseProcedure(windows::help_list::helpListWindow(), sheet()) {
        OnButton(C::PrintManual, [this] {
            OpenManual();
            PostCloseWindow();
        });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &HELP;
        s.displayName = "Help";
        s.list = C::List;
        BrowseOrder order = BrowseOrder::keyed(HEL::KEYHELP, LocatorKind::Entry, StopKind::Text);
        order.entryControl = C::Locator;
        s.orders = {order};
        s.columns = {HEL::HELP.index()};
        s.buttons.insert = C::Insert;
        s.buttons.change = C::View;
        s.buttons.remove = C::Delete;
        s.buttons.close = C::Close;
        s.rowControls = {C::Locator};
        s.updateForm = [] { UpdateHelp(); };
        s.quickScanFills = true;
        s.noPopup = true;
        return s;
    }

  protected:
    int firstControl() const override { return C::View; }
    void finishing() override {
        BrowseProcedure::finishing();
        LOC.Response = RESP::Cancelled;
    }
};

}  // namespace

void HelpBrowse() {
    // Whatever window opens it, the list opens in browse mode.
    GLO::Request = 0;
    HelpList().run();
}
