#include "information/product_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::product_form {

const rt::WindowStructure& productFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ProductFormControl;
        rt::WindowStructure w = makeWindow("Tovik172", "QUICKWINDOW", "Add Your Software Name", 220,
                                           110, rt::Font{"MS Sans Serif", 8});
        w.frame = rt::FrameKind::Resizable;
        w.resizable = true;
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Sheet, {4, 4, 212, 82});
        b.add(2, rt::ControlKind::Tab, {}, "General", 1);
        b.prompt(3, {10, 23, 52, 10}, "&Product Name:", 2);
        b.entry(Name, {64, 22, 146, 11}, "PLF:PRODUCTNAME", "@S30", 2);
        b.button(WhatElse, {10, 44, 200, 30}, "What Else Do I Need Window. Check Paper Etc.", 2)
            .font = {"Arial", 10, true};
        rt::ControlStructure& save = b.button(Save, {70, 90, 70, 16}, "SAVE");
        save.isDefault = true;
        save.font = {"Arial", 14, true};
        b.button(Cancel, {146, 90, 70, 16}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::product_form
