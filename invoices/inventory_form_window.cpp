#include "invoices/inventory_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::inventory_form {

const rt::WindowStructure& inventoryFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace InventoryFormControl;
        rt::WindowStructure w;
        w.module = "Tovik065";
        w.label = "P1$QUICKWINDOW";
        w.title = "Update the INVENTOR File";
        w.at = {0, 0, 153, 78};
        w.centered = true;
        w.frame = rt::FrameKind::Single;
        w.font = {"MS Sans Serif", 8};
        w.icon = "INVENTOR.ICO";
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 145, 52});
        b.add(11, rt::ControlKind::Tab, {}, " ", Sheet);
        b.prompt(2, {10, 21, 30, 10}, "ITEM:", 11);
        b.entry(Item, {44, 20, 40, 11}, "INV:ITEM", "@s8", 11);
        b.prompt(4, {10, 33, 30, 10}, "DESC:", 11);
        b.entry(Description, {44, 32, 100, 11}, "INV:DISC", "@s20", 11);
        b.prompt(6, {10, 45, 30, 10}, "PRICE:", 11);
        b.entry(Price, {44, 44, 48, 11}, "INV:PRICE", "@n-10.2", 11).align = rt::Align::Decimal;
        b.add(8, rt::ControlKind::Panel, {4, 58, 145, 18});
        b.button(Ok, {60, 61, 40, 12}, "OK").isDefault = true;
        b.button(Cancel, {104, 61, 40, 12}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::inventory_form
