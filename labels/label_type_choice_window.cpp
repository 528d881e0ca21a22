#include "labels/label_type_choice_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::label_type_choice {

namespace {

rt::ControlStructure& labelButton(StructureBuilder& b, int number, int y, const char* text,
                                  int colour) {
    rt::ControlStructure& button = b.button(number, {17, y, 153, 21}, text);
    button.icon = "LABELS.ICO";
    button.font = {"Arial", 10, true, false, colour};
    return button;
}

}  // namespace

const rt::WindowStructure& labelTypeChoiceWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace LabelTypeControl;
        rt::WindowStructure w;
        w.module = "Tovik030";
        w.label = "WINDOW";
        w.title = "Select Type Of Label";
        w.at = {0, 0, 188, 119};
        w.centered = true;
        w.font = {"Arial", 10, true};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        rt::ControlStructure& frame = b.add(Frame, rt::ControlKind::Box, {5, 5, 178, 110});
        frame.font.color = 0x000000;
        frame.background = 0x000000;
        labelButton(b, ByLastName, 13, "Print Labels Sorted By Last Name", 0x0000FF);
        labelButton(b, ByZip, 37, "Print Labels Sorted By Zip Code", 0x0000FF);
        labelButton(b, ShippingLabel, 60, "Print Shipping Label - Avery 5196", 0x800000);
        b.button(Close, {17, 89, 153, 21}, "Close").icon = "TRFFC10C.ICO";
        return w;
    }();
    return structure;
}

}  // namespace windows::label_type_choice
