#include "invoices/inventory_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::inventory_list {

const rt::WindowStructure& inventoryListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace InventoryListControl;
        rt::WindowStructure w;
        w.module = "Tovik051";
        w.label = "P1$QUICKWINDOW";
        w.title = "Browse the INVENTORY File";
        w.at = {0, 0, 208, 200};
        w.centered = true;
        w.font = {"MS Sans Serif", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.button(Select, {8, 164, 45, 14}, "&Select").hidden = true;
        b.button(Add, {8, 180, 45, 14}, "&Add");
        b.button(Open, {57, 180, 45, 14}, "&Open").isDefault = true;
        b.button(Delete, {106, 180, 45, 14}, "&Delete");
        b.add(6, rt::ControlKind::Panel, {4, 176, 200, 22});
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 200, 168});
        b.add(ItemTab, rt::ControlKind::Tab, {}, "Item", Sheet);
        b.prompt(9, {12, 22, 24, 10}, "Item:", ItemTab);
        b.entry(Item, {40, 21, 44, 11}, "INV:ITEM", "@s8", ItemTab);
        b.add(10, rt::ControlKind::Panel, {8, 18, 192, 18}, {}, ItemTab);
        b.add(DescriptionTab, rt::ControlKind::Tab, {}, "Description", Sheet);
        b.add(11, rt::ControlKind::Panel, {8, 18, 192, 18}, {}, DescriptionTab);
        b.entry(Description, {58, 21, 100, 11}, "INV:DISC", "@s20", DescriptionTab);
        b.prompt(13, {12, 22, 44, 10}, "Description", DescriptionTab);
        b.add(14, rt::ControlKind::Panel, {8, 18, 192, 18}, {}, DescriptionTab);
        // The list after the sheet, so that it stands in front of it.
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 40, 192, 120});
        list.format = "36L|M~Item~@s8@?80L|M~Description~@s20@48D(12)|M~Price~C(0)@n-10.2@";
        list.tip = "Browsing Records";
        list.verticalScroll = true;
        list.listFlags = 0x800;
        b.button(Close, {155, 180, 45, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::inventory_list
