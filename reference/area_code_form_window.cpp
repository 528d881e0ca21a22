#include "reference/area_code_form_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::area_code_form {

const rt::WindowStructure& areaFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace AreaFormControl;
        rt::WindowStructure w = listFrame("Tovik106", "P1$QUICKWINDOW", "Update the AreaCode File",
                                          193, 98, {"MS Sans Serif", 8}, "Tile_35.bmp");
        w.wallpaper.tiled = false;
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Sheet, {4, 4, 185, 70});
        b.add(2, rt::ControlKind::Tab, {}, " ", 1);
        b.prompt(3, {10, 20, 40, 10}, "&Area Code:", 2);
        b.entry(AreaCode, {54, 19, 24, 11}, "ARE:AREACODE", "@n3", 2).align = rt::Align::Right;
        b.prompt(5, {10, 33, 40, 10}, "&State:", 2);
        b.entry(State, {54, 32, 16, 11}, "ARE:STATE", "@S2", 2);
        b.prompt(7, {10, 46, 40, 10}, "&City:", 2);
        b.entry(City, {54, 45, 124, 11}, "ARE:CITY", "@s30", 2);
        b.prompt(9, {10, 59, 40, 10}, "&Time Zone:", 2);
        rt::ControlStructure& zone =
            b.add(TimeZone, rt::ControlKind::Combo, {54, 58, 60, 11}, {}, 2);
        zone.use = "ARE:TIMEZONE";
        zone.picture = "@s10";
        zone.from = "Atlantic|Eastern|Central|Mountain|Pacific";
        b.button(Ok, {100, 78, 40, 14}, "OK").isDefault = true;
        b.button(Cancel, {146, 78, 40, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::area_code_form
