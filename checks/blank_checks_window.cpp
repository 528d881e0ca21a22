#include "checks/blank_checks_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::blank_checks {

const rt::WindowStructure& blankChecksWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace BlankChecksControl;
        rt::WindowStructure w;
        w.module = "Tovik099";
        w.label = "BrowseBlankChecks";
        w.title = "Print Blank Checks ";
        w.at = {0, 0, 349, 230};
        w.centered = true;
        w.font = {"MS Sans Serif", 8};
        w.icon = "CHECK.ICO";
        w.cursor = "3dsarro.cur";
        w.wallpaper.file = "Tile_35.bmp";
        w.wallpaper.tiled = true;
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 341, 170});
        b.add(FirstNameTab, rt::ControlKind::Tab, {}, "First Name", Sheet).tip =
            "Sort And Locate By First Name";
        b.add(LastNameTab, rt::ControlKind::Tab, {}, "Last Name", Sheet);
        b.add(CompanyNameTab, rt::ControlKind::Tab, {}, "Company Name", Sheet);
        b.button(Copy, {10, 22, 44, 14}, "Cop&y", FirstNameTab);
        b.add(Hint, rt::ControlKind::String, {60, 25, 150, 10}, "Enter Selection And Press Tab",
              FirstNameTab);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {10, 40, 329, 128});
        list.format =
            "60L|M~First Name~@S15@"
            "60L|M~Last Name~@S15@"
            "115L|M~Company Name~@S30@"
            "40R(2)|M~Check Number~L(2)@S10@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        list.verticalScroll = true;
        b.button(Add, {4, 178, 44, 14}, "&Add");
        b.button(Open, {52, 178, 44, 14}, "&Open");
        b.button(Delete, {100, 178, 44, 14}, "&Delete");
        b.button(SetNumbers, {148, 178, 70, 14}, "Set Check Numbers");
        b.button(Help, {250, 178, 44, 14}, "Help");
        b.button(Close, {298, 178, 44, 14}, "Close");
        b.button(PrintThreeUp, {148, 196, 70, 14}, "Print Checks 3 Up");
        b.button(PrintOneUp, {222, 196, 70, 14}, "Print Checks 1 Up");
        b.add(Caption, rt::ControlKind::String, {4, 214, 130, 12}, "Blank Checks").font = {
            "Arial", 10, true, true};
        return w;
    }();
    return structure;
}

}  // namespace windows::blank_checks
