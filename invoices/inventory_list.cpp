// InventoryFileBrowse: "Browse the INVENTORY File", the items in item or description order,
// with UpdateINVENTOR as its form.
#include "frame/browse_engine.h"
#include "invoices/inventory_list_window.h"
#include "invoices/inventory_sheet.h"
#include "invoices/invoice_procedures.h"
#include "records/inventor.h"

namespace {

using namespace windows::inventory_list;
using namespace InventoryListControl;

BrowseOrder entryOrder(int key, int entry) {
    BrowseOrder o = BrowseOrder::keyed(key, LocatorKind::Entry, StopKind::Text);
    o.entryControl = entry;
    return o;
}

class InventoryList : public BrowseProcedure {
  public:
    InventoryList() : BrowseProcedure(inventoryListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s = inventorySheet(List, Sheet);
        s.orders = {entryOrder(INV::KEYITEM, Item), entryOrder(INV::KEYDISC, Description)};
        s.buttons.select = Select;
        s.buttons.insert = Add;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.rowControls = {Open, Delete};
        s.updateForm = [] { UpdateINVENTOR(); };
        s.popupText = "&Add|&Open|&Delete|-|~&Select";
        s.popupTextEmpty = "&Add|~&Open|~&Delete|-|~&Select";
        s.popupButtons = {Add, Open, Delete, Select};
        return s;
    }

  protected:
    void finishing() override {
        if (LOC.Response != RESP::Completed) LOC.Response = RESP::Cancelled;
    }
};

}  // namespace

void InventoryFileBrowse() {
    InventoryList().run();
}
