#include "checks/payee_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::payee_list {

const rt::WindowStructure& payeeListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace PayeeListControl;
        rt::WindowStructure w;
        w.module = "Tovik046";
        w.label = "QuickWindow";
        w.title = "Select The Pay To";
        w.at = {0, 0, 196, 129};
        w.centered = true;
        w.frame = rt::FrameKind::Double;
        w.icon = "CHECK.ICO";
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_24.bmp", true, false};
        w.font = {"Arial", 10};
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 6, 132, 116});
        list.format = "120L(2)|M~ Pay To~@s30@";
        list.tip = "Click On Selection And Press Select";
        list.listFlags = 0x800;
        b.button(Add, {146, 6, 44, 14}, "Add");
        b.button(Open, {146, 24, 44, 14}, "Open");
        b.button(Delete, {146, 42, 44, 14}, "&Delete");
        b.button(Select, {146, 70, 44, 14}, "&Select").isDefault = true;
        b.button(Close, {146, 108, 44, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::payee_list
