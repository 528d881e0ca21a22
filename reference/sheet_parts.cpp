#include "reference/sheet_parts.h"

#include <utility>

#include "records/areacode.h"

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

// The list both area-code windows show: its orders by area code, state and city (each with
// its locator entry) and its columns.
BrowseSheet areaSheet(int list, int tabs, int close, int areaEntry, int stateEntry, int cityEntry) {
    BrowseSheet s;
    s.file = &AREACODE;
    s.displayName = "AreaCode";
    s.list = list;
    s.tabs = tabs;
    s.orders = {entryOrder(ARE::KEYAREACODE, areaEntry, StopKind::None),
                entryOrder(ARE::KEYSTATE, stateEntry, StopKind::Text),
                entryOrder(ARE::KEYCITY, cityEntry, StopKind::Text)};
    s.columns = {ARE::AREACODE.index(), ARE::STATE.index(), ARE::CITY.index(),
                 ARE::TIMEZONE.index()};
    s.buttons.close = close;
    s.resizable = true;
    return s;
}
