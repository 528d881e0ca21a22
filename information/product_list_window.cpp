#include "information/product_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::product_list {

const rt::WindowStructure& productListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ProductListControl;
        rt::WindowStructure w = makeWindow("Tovik171", "QUICKWINDOW", "Software Name", 162, 109,
                                           rt::Font{"MS Sans Serif", 8});
        w.frame = rt::FrameKind::Resizable;
        w.resizable = true;
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 154, 60});
        b.add(Tab, rt::ControlKind::Tab, {}, "Record Order", Sheet);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {10, 22, 142, 20}, {}, Tab);
        list.format = "80L(2)|M~Product Name~@S40@";
        list.tip = "Browsing Records";
        b.button(Change, {4, 70, 154, 14}, "&Change Software Name Etc").isDefault = true;
        b.button(Insert, {4, 88, 40, 14}, "&Insert").hidden = true;
        b.button(Close, {118, 88, 40, 14}, "Close");
        b.button(Delete, {48, 88, 40, 14}, "&Delete").hidden = true;
        return w;
    }();
    return structure;
}

}  // namespace windows::product_list
