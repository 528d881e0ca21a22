#pragma once
// What the lists in level order (the levels list, the up-line list) share: the sheet over
// MAI:KEYLEVEL with numeric scroll stops and a typed level locating the first distributor of
// that level, and the window frame of the genealogy's lists.

#include <string>
#include <vector>

#include "frame/browse_engine.h"
#include "runtime/ui/window_structure.h"

// The sheet of a list of MAIL in level order under `filter`, rows holding `columns`.
BrowseSheet LevelOrderSheet(int list, int close, std::string filter, std::vector<int> columns);

// The rest of MAI:KEYLEVEL after the level in the buffer: the first distributor of that level.
void StartOfLevel();

// A centred, resizable list window on the tiled wallpaper of the genealogy's lists.
rt::WindowStructure GenealogyListFrame(const char* module, const char* title, int width,
                                       int height);
