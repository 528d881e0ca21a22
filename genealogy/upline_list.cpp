// BrowseUpline: the distributors marked by the up-line search, in level order, and their
// report.

#include "frame/browse_engine.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/level_order.h"
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
        return LevelOrderSheet(
            List, Close, "(Mai:FromWhat = 'X')",
            {MAI::LEVEL.index(), MAI::L1.index(), MAI::FIRSTNAME.index(), MAI::LASTNAME.index(),
             MAI::IDNUMBER.index(), MAI::SPONSOR.index(), MAI::DATE.index()});
    }

  protected:
    // The typed level locates the first marked distributor of that level.
    void locatorAssigned() override { StartOfLevel(); }
};

}  // namespace

void BrowseUpline() {
    UplineList().run();
}
