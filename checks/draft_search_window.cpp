#include "checks/draft_search_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::draft_search {

const rt::WindowStructure& draftSearchWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace DraftSearchControl;
        rt::WindowStructure w;
        w.module = "Tovik092";
        w.label = "P1$FORMWINDOW";
        w.title = "Enter Search Criteria";
        w.at = {0, 0, 107, 94};
        w.centered = true;
        w.font = {"Arial", 8};
        w.wallpaper.file = "Tile_35.bmp";
        w.wallpaper.tiled = true;
        StructureBuilder b(w);
        b.add(Panel, rt::ControlKind::Panel, {4, 4, 99, 40});
        b.prompt(Prompt, {10, 10, 90, 10}, "Enter Draft Day or Range");
        rt::ControlStructure& day = b.entry(DraftDay, {40, 24, 20, 11}, "CHE:X1", "@n2");
        day.tip = "Press Search Type, then enter day .";
        b.button(Ok, {8, 72, 44, 14}, "OK");
        b.button(SearchType, {8, 50, 44, 14}, "&Search Type").tip = "Comparison Operator";
        b.button(BeginSearch, {56, 50, 46, 14}, "&Begin Search").tip = "Begin Search";
        b.button(Cancel, {56, 72, 46, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::draft_search
