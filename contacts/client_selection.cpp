// SelectClient: "Client Names And Information", the contacts in six orders, from which the
// check, blank-check and invoice forms pick a client (REQ::Select).

#include "contacts/client_selection_window.h"
#include "contacts/contact_procedures.h"
#include "frame/browse_engine.h"
#include "records/mail.h"

namespace {

using namespace windows::client_selection;
using namespace ClientControl;

class ClientList : public BrowseProcedure {
  public:
    ClientList() : BrowseProcedure(clientWindow(), sheet()), callerRecord_(MAIL.buf()) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &MAIL;
        s.displayName = "MAIL";
        s.list = List;
        s.tabs = Sheet;
        // The sixth tab orders by zip code, as the main contacts list does.
        const int keys[] = {MAI::KEYFIRSTNAME, MAI::KEYLASTNAME, MAI::KEYCOMPANYNAME,
                            MAI::KEYCITY,      MAI::KEYSTATE,    MAI::KEYZIP};
        for (int i = 0; i < 6; ++i) {
            BrowseOrder o = BrowseOrder::keyed(keys[i], LocatorKind::Entry, StopKind::Text);
            o.entryControl = FirstLocator + i;
            s.orders.push_back(o);
        }
        s.columns = {MAI::FIRSTNAME.index(), MAI::LASTNAME.index(), MAI::COMPANYNAME.index(),
                     MAI::CITY.index(),      MAI::STATE.index(),    MAI::ZIP.index(),
                     MAI::HOMEPHONE.index(), MAI::WORKPHONE.index()};
        s.quickScanFills = true;
        s.buttons.select = Select;
        s.buttons.close = Close;
        s.selectStaysVisible = true;
        s.popupText = "&Select";
        s.popupTextEmpty = "~&Select";
        s.popupButtons = {Select};
        return s;
    }

  protected:
    // Only a contact chosen with "&Select" goes back: Close and the close box leave the
    // caller's record as the caller left it, not a mix of it and the list's locator.
    void finishing() override {
        BrowseProcedure::finishing();
        if (LOC.Response != RESP::Completed) MAIL.buf() = callerRecord_;
    }

  private:
    rt::RecordBuffer callerRecord_;
};

}  // namespace

void SelectClient() {
    ClientList().run();
}
