#include "checks/payee_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::payee_form {

const rt::WindowStructure& payeeFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace PayeeFormControl;
        rt::WindowStructure w;
        w.module = "Tovik047";
        w.label = "FormWindow";
        w.title = "Enter The Pay To Name For Check";
        w.at = {0, 0, 217, 99};
        w.centered = true;
        w.frame = rt::FrameKind::Single;
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.add(Caption, rt::ControlKind::String, {8, 6, 200, 10}).picture = "@S40";
        b.prompt(2, {8, 22, 56, 10}, "&Pay To:");
        b.entry(PayTo, {66, 21, 140, 11}, "PAY:PAYTO", "@s30");
        b.prompt(4, {8, 38, 56, 10}, "Address:");
        b.entry(Address, {66, 37, 140, 11}, "PAY:ADDRESS", "@s30");
        b.prompt(6, {8, 54, 56, 10}, "City State Zip:");
        b.entry(CityStateZip, {66, 53, 140, 11}, "PAY:CITYSTATEZIP", "@s30");
        b.button(Ok, {118, 78, 42, 14}, "OK").isDefault = true;
        b.button(Cancel, {164, 78, 42, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::payee_form
