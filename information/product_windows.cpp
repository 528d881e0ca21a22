#include "information/product_windows.h"

#include "runtime/ui/structure_builder.h"

namespace windows::product {

namespace {

constexpr int kPink = 0xFF80FF;

}  // namespace

const rt::WindowStructure& privateLabelWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace PrivateLabelControl;
        rt::WindowStructure w;
        w.module = "Tovik170";
        w.label = "WINDOW";
        w.at = {0, 0, 248, 135};
        w.font = {"Arial", 10, true};
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Panel, {4, 4, 240, 30});
        b.add(Heading, rt::ControlKind::String, {8, 8, 232, 22}, "Pradu Private Label Key").font = {
            "Arial", 22, true, false, 0x0000FF};
        b.add(3, rt::ControlKind::Panel, {4, 38, 240, 48});
        const char* lines[] = {"This window creates the product information file.",
                               "Copy that file onto each of the program's",
                               "distribution disks afterwards."};
        for (int n = 0; n < 3; ++n)
            b.add(Explanation + n * 10, rt::ControlKind::Prompt, {8, 42 + n * 13, 232, 12},
                  lines[n])
                .font = {"Arial", 10, true, false, 0x800000};
        b.add(5, rt::ControlKind::Panel, {4, 90, 240, 40});
        b.button(MakeFile, {11, 94, 226, 14}, "Press Here To Make A New Private File");
        b.button(Close, {11, 112, 226, 14}, "Close");
        return w;
    }();
    return structure;
}

const rt::WindowStructure& productListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ProductListControl;
        rt::WindowStructure w;
        w.module = "Tovik171";
        w.label = "QUICKWINDOW";
        w.title = "Software Name";
        w.at = {0, 0, 162, 109};
        w.frame = rt::FrameKind::Resizable;
        w.resizable = true;
        w.font = {"MS Sans Serif", 8};
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

const rt::WindowStructure& productFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ProductFormControl;
        rt::WindowStructure w;
        w.module = "Tovik172";
        w.label = "QUICKWINDOW";
        w.title = "Add Your Software Name";
        w.at = {0, 0, 220, 110};
        w.frame = rt::FrameKind::Resizable;
        w.resizable = true;
        w.font = {"MS Sans Serif", 8};
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

const rt::WindowStructure& editWhatElseWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace WhatElseControl;
        rt::WindowStructure w;
        w.module = "Tovik173";
        w.label = "FORMWINDOW";
        w.title = "Update Records...";
        w.at = {0, 0, 163, 159};
        StructureBuilder b(w);
        rt::ControlStructure& text = b.add(Text, rt::ControlKind::Text, {4, 4, 155, 130});
        text.use = "PLF:NEED";
        text.font = {"Arial", 10, true};
        text.verticalScroll = true;
        rt::ControlStructure& ok = b.button(HiddenOk, {4, 140, 40, 14}, "OK");
        ok.hidden = true;
        ok.isDefault = true;
        b.button(AddInformation, {26, 139, 112, 16}, "Add Information").font = {"Arial", 12, true};
        return w;
    }();
    return structure;
}

const rt::WindowStructure& showWhatElseWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace WhatElseControl;
        rt::WindowStructure w;
        w.module = "Tovik174";
        w.label = "WINDOW";
        w.at = {0, 0, 163, 166};
        w.font = {"Arial", 10, true};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Panel, {6, 2, 147, 30});
        rt::ControlStructure& heading =
            b.add(2, rt::ControlKind::String, {12, 10, 136, 16}, "What Else Do I Need?");
        heading.transparent = true;
        heading.font = {"Arial", 14, true, false, kPink};
        rt::ControlStructure& text = b.add(ShowText, rt::ControlKind::Text, {6, 35, 146, 116});
        text.use = "PLF:NEED";
        text.verticalScroll = true;
        text.font = {"Arial", 10, true, false, 0x800040};
        b.button(ShowClose, {60, 153, 44, 12}, "Close").font.color = kPink;
        return w;
    }();
    return structure;
}

}  // namespace windows::product
