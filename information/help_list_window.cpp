#include "information/help_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::help_list {

const rt::WindowStructure& helpListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace HelpListControl;
        rt::WindowStructure w = makeWindow("Tovik163", "P1$BROWSEWINDOW", "Help", 153, 227,
                                           rt::Font{"MS Sans Serif", 8});
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 145, 196});
        b.add(Tab, rt::ControlKind::Tab, {}, "HEL:KeyHelp", Sheet);
        b.add(Hint, rt::ControlKind::String, {10, 20, 133, 10}, "Enter Selection Then Press Tab",
              Tab);
        // The controls stand within the sheet's frame, on its one tab; the small insert and
        // delete buttons show a sign, so that no button stands blank.
        b.entry(Locator, {10, 31, 133, 11}, "HEL:HELP", "@S40", Tab);
        rt::ControlStructure& list =
            b.add(List, rt::ControlKind::List, {10, 45, 133, 132}, {}, Tab);
        list.format = "80L(2)|M~Help~L(2)@S40@";
        list.tip = "Browsing Records";
        list.verticalScroll = true;
        list.listFlags = 0x800;
        b.button(Insert, {10, 181, 9, 14}, "+", Tab).tip = "Insert";
        b.button(View, {50, 181, 52, 14}, "&View", Tab).isDefault = true;
        b.button(Delete, {134, 181, 9, 14}, "-", Tab).tip = "Delete";
        b.button(Close, {4, 206, 60, 14}, "Close");
        b.button(PrintManual, {79, 206, 70, 14}, "  Print The Manual");
        return w;
    }();
    return structure;
}

}  // namespace windows::help_list
