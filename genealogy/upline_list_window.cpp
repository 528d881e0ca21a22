#include "genealogy/upline_list_window.h"

#include "genealogy/level_order.h"
#include "runtime/ui/structure_builder.h"

namespace windows::upline_list {

const rt::WindowStructure& uplineWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace UplineControl;
        rt::WindowStructure w = GenealogyListFrame("Tovik166", "Browse the Sponsor File", 304, 171);
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 2, 296, 146});
        b.add(Tab, rt::ControlKind::Tab, {}, "", Sheet);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 20, 288, 124});
        // "Level 1" shows the distributor's own count of level 1, blank when zero.
        list.format =
            "28R(2)|M~Level~L(2)@n4@"
            "32R(2)|M~Level 1~L(2)@n5b@"
            "64L(2)|M~First Name~@s15@"
            "64L(2)|M~Last Name~@s15@"
            "64L(2)|M~ID Number~@s15@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        list.verticalScroll = true;
        b.button(PrintReport, {4, 152, 60, 14}, "Print Report");
        b.button(Close, {256, 152, 44, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::upline_list
