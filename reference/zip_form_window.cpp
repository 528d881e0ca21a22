#include "reference/zip_form_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::zip_form {

const rt::WindowStructure& zipFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ZipFormControl;
        rt::WindowStructure w = listFrame("Tovik158", "P1$QUICKWINDOW", "Update the Zip File", 153,
                                          98, {"MS Sans Serif", 8}, "Tile_35.bmp");
        w.wallpaper.tiled = false;
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Sheet, {4, 4, 145, 70});
        b.add(2, rt::ControlKind::Tab, {}, "General", 1);
        b.prompt(3, {10, 23, 30, 10}, "&City:", 2);
        b.entry(City, {44, 22, 84, 11}, "ZIP:CITY", "@s20", 2);
        b.prompt(5, {10, 37, 30, 10}, "&State:", 2);
        b.entry(State, {44, 36, 16, 11}, "ZIP:STATE", "@s2", 2);
        b.prompt(7, {10, 51, 30, 10}, "&Zip:", 2);
        b.entry(Zip, {44, 50, 30, 11}, "ZIP:ZIP", "@s5", 2).align = rt::Align::Right;
        b.button(Ok, {60, 78, 40, 14}, "OK").isDefault = true;
        b.button(Cancel, {106, 78, 40, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::zip_form
