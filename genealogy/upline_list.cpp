// BrowseUpline: the distributors marked by the up-line search, in level order, and their
// report.

#include "frame/browse_engine.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/upline_list_window.h"
#include "records/mail.h"

namespace {

using namespace windows::upline_list;
using namespace UplineControl;

class UplineList : public BrowseProcedure {
  public:
    UplineList() : BrowseProcedure(uplineWindow(), sheet()) {
        OnButton(PrintReport, [this] { Call(&PrintUplineReport); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &MAIL;
        s.displayName = "MAIL";
        s.list = List;
        s.orders = {BrowseOrder::keyed(MAI::KEYLEVEL, LocatorKind::Incremental, StopKind::Number,
                                       "(Mai:FromWhat = 'X')")};
        s.columns = {MAI::LEVEL.index(),    MAI::L1.index(),       MAI::FIRSTNAME.index(),
                     MAI::LASTNAME.index(), MAI::IDNUMBER.index(), MAI::SPONSOR.index(),
                     MAI::DATE.index()};
        s.quickScanFills = true;
        s.buttons.close = Close;
        s.resizable = true;
        return s;
    }

  protected:
    // The typed level locates the first marked distributor of that level.
    void locatorAssigned() override {
        MAI::SPONSOR.setText("");
        MAI::DATE.setInteger(0);
    }
};

}  // namespace

void BrowseUpline() {
    UplineList().run();
}
