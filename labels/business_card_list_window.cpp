#include "labels/business_card_list_window.h"

#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::business_card_list {

const rt::WindowStructure& businessCardListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace CardListControl;
        rt::WindowStructure w;
        w.module = "Tovik107";
        w.label = "P1$BROWSEWINDOW";
        w.title = "Printing Menu";
        w.at = {0, 0, 358, 188};
        w.centered = true;
        w.resizable = true;
        w.font = {"MS Sans Serif", 8};
        w.icon = "PC04.ICO";
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 350, 162});
        b.add(BusinessNameTab, rt::ControlKind::Tab, {}, "Business Name", Sheet);
        b.add(PrintPanel, rt::ControlKind::Panel, {185, 20, 165, 142}, {}, BusinessNameTab);
        for (int n = 1; n <= 7; ++n)
            b.button(FirstStyle + n - 1, {189, 28 + 16 * (n - 1), 156, 14},
                     "Print Business Card Style " + std::to_string(n), BusinessNameTab);
        b.button(ReturnAddressLabels, {189, 140, 156, 14}, "Print Return Address Labels",
                 BusinessNameTab);
        b.add(NameTab, rt::ControlKind::Tab, {}, "Name", Sheet);
        b.button(HowToPrint, {187, 0, 165, 17}, "How To Print Cards and Labels");
        // The list after the sheet, so that it stands in front of it.
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 20, 169, 124});
        list.format =
            "80L(2)|M~Business Name~L(2)@s40@80L(2)|M~Name~L(2)@s40@"
            "80L(2)|M~Address~L(2)@s40@80L(2)|M~City State Zip~L(2)@s40@"
            "64L(2)|M~Phone~L(2)@s15@64L(2)|M~Fax~L(2)@s15@"
            "80L(2)|M~Email~L(2)@s30@80L(2)|M~Web Site~L(2)@s30@";
        list.tip = "Browsing Records";
        list.verticalScroll = true;
        list.listFlags = 0x800;
        b.button(Add, {18, 148, 45, 14}, "&Add");
        b.button(Change, {67, 148, 57, 14}, "&Change").isDefault = true;
        b.button(Delete, {129, 146, 51, 17}, "&Delete");
        b.button(Close, {187, 169, 167, 16}, "Close");
        b.button(Copy, {14, 169, 45, 15}, "Cop&y");
        b.button(ClearAll, {83, 169, 97, 16}, "Clear All Above");
        return w;
    }();
    return structure;
}

}  // namespace windows::business_card_list
