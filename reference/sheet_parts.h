// Pieces of browse sheets that the reference tables' lists share.
#pragma once

#include <functional>

#include "frame/browse_engine.h"

// A keyed order whose locator is an entry control.
BrowseOrder entryOrder(int key, int entry, StopKind stops);

// The Insert/Change/Delete buttons of a table's maintenance list, the pop-up menu that
// mirrors them (Change and Delete greyed while the list is empty) and the form that edits a row.
void addMaintenanceButtons(BrowseSheet& sheet, int insert, int change, int remove,
                           std::function<void()> updateForm);

// The list both area-code windows show: its orders by area code, state and city (each with
// its locator entry) and its columns.
BrowseSheet areaSheet(int list, int tabs, int close, int areaEntry, int stateEntry, int cityEntry);
