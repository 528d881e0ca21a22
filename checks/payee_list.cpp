// SelectPayTo: the payee list, a select list over PAYEE in the order of the names.

#include "checks/check_procedures.h"
#include "checks/payee_list_window.h"
#include "frame/browse_engine.h"
#include "records/checks.h"
#include "records/payee.h"

namespace {

using namespace windows::payee_list::PayeeListControl;

class PayeeList : public BrowseProcedure {
  public:
    PayeeList() : BrowseProcedure(windows::payee_list::payeeListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &PAYEE;
        s.list = List;
        s.columns = {PAY::PAYTO.index()};
        s.orders = {BrowseOrder::keyed(PAY::KEYPAYTO, LocatorKind::Step)};
        s.buttons.insert = Add;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.select = Select;
        s.buttons.close = Close;
        s.updateForm = [] { UpdatePayee(); };
        return s;
    }

  protected:
    // The payee chosen (by the button, Enter or a double-click) also gives the check its
    // address: that payee's, never whichever record the page fill read last.
    void finishing() override {
        BrowseProcedure::finishing();
        if (selectMode() && LOC.Response == RESP::Completed) {
            CHE::CKADDRESS.setText(PAY::ADDRESS.text());
            CHE::CKCITYSTATEADDRESS.setText(PAY::CITYSTATEZIP.text());
        }
    }
};

}  // namespace

void SelectPayTo() {
    PayeeList().run();
}
