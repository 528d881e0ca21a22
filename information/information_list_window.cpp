#include "information/information_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::information_list {

const rt::WindowStructure& informationListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace InformationListControl;
        rt::WindowStructure w =
            makeWindow("Tovik161", "P1$BROWSEWINDOW", "Browse the Information File", 330, 188,
                       rt::Font{"MS Sans Serif", 8});
        StructureBuilder b(w);
        // The small insert and delete buttons show a sign, so that no button stands blank.
        b.button(Insert, {8, 166, 9, 14}, "+").tip = "Insert";
        b.button(View, {19, 166, 110, 14}, "         View").isDefault = true;
        b.button(Delete, {131, 166, 9, 14}, "-").tip = "Delete";
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 158, 156});
        b.add(Tab, rt::ControlKind::Tab, {}, "Information", Sheet);
        rt::ControlStructure& list =
            b.add(List, rt::ControlKind::List, {10, 22, 146, 132}, {}, Tab);
        list.format = "80L(2)|M~Information File~L(2)@s40@";
        list.tip = "Browsing Records";
        list.verticalScroll = true;
        b.add(Panel, rt::ControlKind::Panel, {168, 4, 158, 156});
        b.button(WhatElse, {180, 70, 134, 20}, "Do I Need Anything Else?");
        b.button(Close, {168, 166, 76, 14}, "              Close");
        b.button(PrintManual, {248, 166, 78, 14}, "  Print The Manual");
        return w;
    }();
    return structure;
}

}  // namespace windows::information_list
