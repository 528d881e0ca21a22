#include "reference/sheet_parts.h"

#include <utility>

BrowseOrder entryOrder(int key, int entry, StopKind stops) {
    BrowseOrder o = BrowseOrder::keyed(key, LocatorKind::Entry, stops);
    o.entryControl = entry;
    return o;
}

void addMaintenanceButtons(BrowseSheet& sheet, int insert, int change, int remove,
                           std::function<void()> updateForm) {
    sheet.buttons.insert = insert;
    sheet.buttons.change = change;
    sheet.buttons.remove = remove;
    sheet.updateForm = std::move(updateForm);
    sheet.popupText = "&Insert|&Change|&Delete";
    sheet.popupTextEmpty = "&Insert|~&Change|~&Delete";
    sheet.popupButtons = {insert, change, remove};
}
