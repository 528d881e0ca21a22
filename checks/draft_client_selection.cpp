// SelectMonthlyDraftClient: "Monthly Draft Information", the clients with a draft day, from
// which the check form posts a monthly draft (REQ::Select). The check form copies the client
// only when one was selected.

#include "checks/check_procedures.h"
#include "checks/draft_client_selection_window.h"
#include "frame/browse_engine.h"
#include "records/mail.h"

namespace {

using namespace windows::draft_client_selection;
using namespace DraftClientControl;

class DraftClientList : public BrowseProcedure {
  public:
    DraftClientList() : BrowseProcedure(draftClientWindow(), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &MAIL;
        s.displayName = "MAIL";
        s.list = List;
        s.tabs = Sheet;
        const int keys[] = {MAI::KEYDRAFTDAY, MAI::KEYAMOUNT,      MAI::KEYFIRSTNAME,
                            MAI::KEYLASTNAME, MAI::KEYCOMPANYNAME, MAI::KEYCITY};
        for (int i = 0; i < 6; ++i) {
            BrowseOrder o =
                BrowseOrder::keyed(keys[i], LocatorKind::Entry,
                                   i < 2 ? StopKind::Number : StopKind::Text, "(Mai:DraftDay > 0)");
            o.entryControl = FirstLocator + i;
            s.orders.push_back(o);
        }
        s.columns = {MAI::DRAFTDAY.index(), MAI::MONTHLYAMOUNT.index(), MAI::FIRSTNAME.index(),
                     MAI::LASTNAME.index(), MAI::COMPANYNAME.index(),   MAI::CITY.index(),
                     MAI::STATE.index(),    MAI::ZIP.index(),           MAI::HOMEPHONE.index(),
                     MAI::WORKPHONE.index()};
        s.quickScanFills = true;
        s.buttons.select = Select;
        s.buttons.close = Close;
        s.popupText = "&Select";
        s.popupTextEmpty = "~&Select";
        s.popupButtons = {Select};
        return s;
    }
};

}  // namespace

void SelectMonthlyDraftClient() {
    DraftClientList().run();
}
