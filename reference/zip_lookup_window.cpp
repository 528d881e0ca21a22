#include "reference/zip_lookup_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::zip_lookup {

const rt::WindowStructure& zipLookupWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ZipLookupControl;
        rt::WindowStructure w = listFrame("Tovik101", "P1$BROWSEWINDOW", "Browse the Zip File", 162,
                                          198, {"Arial", 8, true}, "Tile_35.bmp");
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 40, 146, 120});
        list.format = "80L(2)|M~City~@s20@24L(2)|M~State~@s2@26R(1)|M~Zip~L@s5@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        b.button(Select, {8, 176, 40, 14}, "&Select");
        b.button(Close, {114, 176, 40, 14}, "Close");
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 154, 166});
        b.add(CityTab, rt::ControlKind::Tab, {}, "City", Sheet);
        b.entry(City, {40, 22, 84, 11}, "ZIP:CITY", "@s20", CityTab);
        // Wide enough for its bold text.
        b.button(UpdateZipCodes, {51, 176, 60, 14}, "Update Zip Codes", CityTab);
        rt::ControlStructure& ok = b.button(HiddenOk, {0, 0, 1, 1}, "OK", CityTab);
        ok.hidden = true;
        ok.isDefault = true;
        b.prompt(9, {10, 23, 28, 10}, "&City:", CityTab);
        b.add(StateTab, rt::ControlKind::Tab, {}, "State", Sheet);
        b.entry(State, {40, 22, 16, 11}, "ZIP:STATE", "@s2", StateTab);
        b.prompt(12, {10, 23, 28, 10}, "&State:", StateTab);
        b.add(ZipTab, rt::ControlKind::Tab, {}, "Zip Code", Sheet);
        b.entry(Zip, {40, 22, 30, 11}, "ZIP:ZIP", "@s5", ZipTab).align = rt::Align::Right;
        b.prompt(15, {10, 23, 28, 10}, "&Zip:", ZipTab);
        return w;
    }();
    return structure;
}

}  // namespace windows::zip_lookup
