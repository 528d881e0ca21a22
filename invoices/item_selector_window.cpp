#include "invoices/item_selector_window.h"

#include <array>
#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::item_selector {

namespace {

// What tells the eight selectors apart.
struct Look {
    const char* module;
    int fontColour;
    int listBackground;
    const char* closeCursor;
    const char* icon;
};

constexpr Look kLooks[8] = {
    {"Tovik055", 0xFF0000, 0xFCD3D3, "", ""},
    {"Tovik056", 0xFF8000, 0xFDD2CA, "", ""},
    {"Tovik057", 0xFF0000, 0xFDD9DB, "3dsarro.cur", ""},
    {"Tovik058", 0xFF0000, 0xFDDEDD, "", ""},
    {"Tovik059", 0xFF0000, 0xFDD9DA, "", ""},
    {"Tovik060", 0xFF0000, 0xFFD7D7, "", ""},
    {"Tovik061", 0xFF0000, 0xFFDFDF, "", ""},
    {"Tovik062", 0xFF0000, 0xFFE1E1, "", "CHECK.ICO"},
};

rt::WindowStructure makeWindow(const Look& look) {
    using namespace ItemSelectorControl;
    rt::WindowStructure w;
    w.module = look.module;
    w.label = "P1$QUICKWINDOW";
    w.title = "Browse the INVENTOR File";
    w.at = {0, 0, 172, 188};
    w.centered = true;
    w.font = {"Arial", 8, false, false, look.fontColour};
    w.background = 0xC0C0C0;
    w.icon = look.icon;
    w.cursor = "3dsarro.cur";
    w.wallpaper = {"Tile_35.bmp", true, false};
    StructureBuilder b(w);
    // Enter on the highlighted item selects it, as in the other look-ups.
    b.button(Select, {8, 168, 45, 14}, "&Select").isDefault = true;
    b.add(3, rt::ControlKind::Panel, {4, 164, 164, 22});
    b.add(Sheet, rt::ControlKind::Sheet, {1, 4, 170, 158});
    b.add(ItemTab, rt::ControlKind::Tab, {}, "Item", Sheet);
    b.add(5, rt::ControlKind::Panel, {8, 18, 156, 18}, {}, ItemTab);
    b.entry(Item, {40, 21, 44, 11}, "INV:ITEM", "@s8", ItemTab).background = 0xFFFFFF;
    b.prompt(7, {12, 22, 26, 10}, "ITEM:", ItemTab);
    b.add(8, rt::ControlKind::Panel, {8, 18, 156, 18}, {}, ItemTab);
    b.add(DescriptionTab, rt::ControlKind::Tab, {}, "Description", Sheet);
    b.add(9, rt::ControlKind::Panel, {8, 18, 156, 18}, {}, DescriptionTab);
    b.entry(Description, {40, 21, 100, 11}, "INV:DISC", "@s20", DescriptionTab).background =
        0xFFFFFF;
    b.prompt(11, {12, 22, 26, 10}, "DISC:", DescriptionTab);
    b.add(12, rt::ControlKind::Panel, {8, 18, 156, 18}, {}, DescriptionTab);
    // The list after the sheet, so that it stands in front of it.
    // Wide enough for its three columns (164) and the frame.
    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {2, 40, 168, 120});
    list.format = "36L|M~ITEM~@s8@?80L|M~DESC~@s20@48D(12)|M~PRICE~C(0)@n-10.2@";
    list.tip = "Browsing Records";
    list.background = look.listBackground;
    list.verticalScroll = true;
    list.listFlags = 0x800;
    b.button(Close, {119, 168, 45, 14}, "Close").cursor = look.closeCursor;
    return w;
}

}  // namespace

const rt::WindowStructure& itemSelectorWindow(int line) {
    static const std::array<rt::WindowStructure, 8> structures = [] {
        std::array<rt::WindowStructure, 8> all;
        for (int i = 0; i < 8; ++i)
            all[i] = makeWindow(kLooks[i]);
        return all;
    }();
    return structures.at(line - 1);
}

}  // namespace windows::item_selector
