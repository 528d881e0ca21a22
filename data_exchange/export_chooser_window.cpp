#include "data_exchange/export_chooser_window.h"

#include <map>
#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::export_chooser {

namespace {

rt::WindowStructure makeChooser(std::string_view module) {
    using namespace ExportChooserControl;
    rt::WindowStructure w =
        makeWindow(std::string(module), "P1$WINDOW", "Choose Fields for Export...", 262, 178,
                   rt::Font{"MS Sans Serif", 8});
    w.centered = false;
    StructureBuilder b(w);
    // The first column shows the mark ("*") of a marked field.
    // The check box's text needs more room than the buttons beside it leave on the bottom
    // line, so it stands above them, under a list shortened by its height.
    rt::ControlStructure& all = b.add(AllFields, rt::ControlKind::List, {5, 8, 100, 136});
    all.format = "8C~~@s1@200L(1)~All Fields~@s50@";
    all.verticalScroll = true;
    b.button(Add, {110, 29, 42, 12}, "&Add ->");
    b.button(Remove, {110, 45, 42, 12}, "&Remove");
    b.button(ShiftUp, {110, 69, 42, 12}, "Shift &Up");
    b.button(ShiftDown, {110, 85, 42, 12}, "Shift &Down");
    b.button(Picture, {110, 109, 42, 12}, "&Picture");
    rt::ControlStructure& chosen = b.add(ExportFields, rt::ControlKind::List, {157, 8, 100, 127});
    chosen.format = "8C~~@s1@200L(1)~Export Fields~@s50@";
    chosen.verticalScroll = true;
    b.add(PictureGroup, rt::ControlKind::Group, {157, 136, 100, 22}, "Picture");
    rt::ControlStructure& kind = b.add(PictureKind, rt::ControlKind::String, {160, 145, 94, 10});
    kind.use = "LOC:PictureKind";
    kind.picture = "@s40";
    rt::ControlStructure& header = b.add(IncludeHeader, rt::ControlKind::Check, {5, 148, 150, 10},
                                         "Include &header record with field names");
    header.use = "LOC:IncludeHeader";
    header.falseValue = "0";
    b.button(Ok, {141, 162, 36, 12}, "&OK").isDefault = true;
    b.button(Cancel, {181, 162, 36, 12}, "&Cancel");
    b.button(Help, {221, 162, module == "Tovik044" ? 35 : 36, 12}, "Help");
    return w;
}

}  // namespace

const rt::WindowStructure& exportChooserWindow(std::string_view module) {
    static std::map<std::string, rt::WindowStructure, std::less<>> structures;
    auto it = structures.find(module);
    if (it == structures.end())
        it = structures.emplace(std::string(module), makeChooser(module)).first;
    return it->second;
}

}  // namespace windows::export_chooser
