#include "genealogy/downline_panel_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::downline_panel {

const rt::WindowStructure& panelWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace PanelControl;
        rt::WindowStructure w;
        w.module = "Tovik160";
        w.label = "PanelWindow";
        w.title = "Close Panel->";
        w.at = {250, 40, 96, 139};
        w.centered = false;
        w.frame = rt::FrameKind::Resizable;
        w.resizable = true;
        w.font = {"MS Sans Serif", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Stone.bmp", true, false};
        StructureBuilder b(w);
        b.button(Sponsor, {4, 6, 88, 18}, "Sponsor").tip =
            "Press this button to select sponsor before adding new distributor.";
        rt::ControlStructure& downline =
            b.button(DownlineOnScreen, {4, 28, 88, 26}, "Downline On Screen");
        downline.font = {"Arial", 9, true};
        downline.tip = "View and Print Genealogy by Selected Company Code";
        b.button(SearchUpline, {4, 58, 88, 18}, "Search Upline").tip =
            "Press Here After Highlighting Distributor You Wish Upline For";
        b.button(ViewUpline, {4, 80, 88, 18}, "View").tip = "Press Here To View Above Search";
        b.button(ClearViewAbove, {4, 102, 88, 14}, "Clear View Above").font = {"Arial", 8};
        b.button(Close, {4, 120, 88, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::downline_panel
