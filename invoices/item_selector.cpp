// LookUp1 ... LookUp8: the item selectors of the invoice lines, one list in eight windows.
// Select answers RESP::Completed, Close RESP::Cancelled; both leave the highlighted item,
// read again, in the INVENTOR buffer.
#include "frame/browse_engine.h"
#include "invoices/inventory_sheet.h"
#include "invoices/invoice_procedures.h"
#include "invoices/item_selector_window.h"
#include "records/inventor.h"

namespace {

using namespace windows::item_selector;
using namespace ItemSelectorControl;

class ItemSelector : public BrowseProcedure {
  public:
    explicit ItemSelector(int line) : BrowseProcedure(itemSelectorWindow(line), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s = inventorySheet(List, Sheet);
        s.orders = {BrowseOrder::keyed(INV::KEYITEM, LocatorKind::Step, StopKind::Text),
                    BrowseOrder::keyed(INV::KEYDISC, LocatorKind::Step, StopKind::Text)};
        s.buttons.select = Select;
        s.buttons.close = Close;
        s.selectStaysVisible = true;
        s.popupText = "&Select";
        s.popupTextEmpty = "~&Select";
        s.popupButtons = {Select};
        return s;
    }
};

void selectItem(int line) {
    ItemSelector(line).run();
}

}  // namespace

void LookUp1() {
    selectItem(1);
}
void LookUp2() {
    selectItem(2);
}
void LookUp3() {
    selectItem(3);
}
void LookUp4() {
    selectItem(4);
}
void LookUp5() {
    selectItem(5);
}
void LookUp6() {
    selectItem(6);
}
void LookUp7() {
    selectItem(7);
}
void LookUp8() {
    selectItem(8);
}
