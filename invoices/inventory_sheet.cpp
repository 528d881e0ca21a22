#include "invoices/inventory_sheet.h"

#include "records/inventor.h"

BrowseSheet inventorySheet(int list, int tabs) {
    BrowseSheet s;
    s.file = &INVENTOR;
    s.displayName = "INVENTOR";
    s.list = list;
    s.tabs = tabs;
    s.orderOfTab = [](int tab) { return tab == 2 ? 2 : 1; };
    s.columns = {INV::ITEM.index(), INV::DISC.index(), INV::PRICE.index()};
    return s;
}
