#include "genealogy/level_order.h"

#include "records/mail.h"

BrowseSheet LevelOrderSheet(int list, int close, std::string filter, std::vector<int> columns) {
    BrowseSheet s;
    s.file = &MAIL;
    s.displayName = "MAIL";
    s.list = list;
    s.orders = {BrowseOrder::keyed(MAI::KEYLEVEL, LocatorKind::Incremental, StopKind::Number,
                                   std::move(filter))};
    s.columns = std::move(columns);
    s.quickScanFills = true;
    s.buttons.close = close;
    s.resizable = true;
    return s;
}

void StartOfLevel() {
    MAI::SPONSOR.setText("");
    MAI::DATE.setInteger(0);
}

rt::WindowStructure GenealogyListFrame(const char* module, const char* title, int width,
                                       int height) {
    rt::WindowStructure w;
    w.module = module;
    w.label = "BrowseWindow";
    w.title = title;
    w.at = {0, 0, width, height};
    w.centered = true;
    w.frame = rt::FrameKind::Resizable;
    w.resizable = true;
    w.font = {"MS Sans Serif", 8};
    w.wallpaper = {"Tile_35.bmp", true, false};
    return w;
}
