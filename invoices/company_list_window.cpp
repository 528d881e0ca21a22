#include "invoices/company_list_window.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::company_list {

const rt::WindowStructure& companyListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace CompanyListControl;
        rt::WindowStructure w;
        w.module = "Tovik048";
        w.label = "P1$BROWSEWINDOW";
        w.title = "Add Your Company Name";
        w.at = {0, 0, 189, 98};
        w.centered = false;
        w.font = {"Arial", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {5, 7, 177, 63});
        list.format = "120L(2)|M~ Company Name~@s30@";
        list.tip = "Browsing Records";
        list.font.color = 0x0000FF;
        list.background = 0xC9CCFA;
        list.verticalScroll = true;
        list.listFlags = 0x800;
        b.add(ButtonPanel, rt::ControlKind::Panel, {2, 74, 186, 21}).background = 0x0000FF;
        b.button(Add, {5, 79, 40, 12}, "Add").key = KEY::Insert;
        b.button(Open, {50, 79, 40, 12}, "&Open").key = KEY::CtrlEnter;
        rt::ControlStructure& remove = b.button(Delete, {93, 78, 47, 12}, "&Delete");
        remove.key = KEY::Delete;
        remove.font.color = 0xFF0000;
        b.button(Close, {143, 79, 40, 12}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::company_list
