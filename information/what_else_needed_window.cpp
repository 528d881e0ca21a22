#include "information/what_else_needed_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::what_else_needed {

namespace {

constexpr int kPink = 0xFF80FF;

}  // namespace

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
        rt::WindowStructure w =
            makeWindow("Tovik174", "WINDOW", "", 163, 166, rt::Font{"Arial", 10, true});
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

}  // namespace windows::what_else_needed
