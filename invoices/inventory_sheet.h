#pragma once
// What the inventory list and the item selectors share: the file, the columns and the tab
// that chooses between item and description order.

#include "frame/browse_engine.h"

// The sheet over INVENTOR with its columns (item, description, price); the second tab
// orders by description, any other tab by item number. The caller adds the orders, in that
// order, and its buttons.
BrowseSheet inventorySheet(int list, int tabs);
