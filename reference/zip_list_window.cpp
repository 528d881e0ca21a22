#include "reference/zip_list_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::zip_list {

const rt::WindowStructure& zipListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ZipListControl;
        rt::WindowStructure w = listFrame("Tovik159", "P1$BROWSEWINDOW", "Browse the Zip File", 180,
                                          198, {"MS Sans Serif", 8}, "Tile_24.bmp");
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 40, 164, 120});
        list.format = "80L(2)|M~City~@s20@24L(2)|M~State~@s2@24L(2)|M~Zip~@s5@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        b.button(Insert, {8, 176, 38, 14}, "&Insert");
        b.button(Change, {48, 176, 38, 14}, "&Change").isDefault = true;
        b.button(Delete, {88, 176, 38, 14}, "&Delete");
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 172, 166});
        b.add(CityTab, rt::ControlKind::Tab, {}, "City", Sheet);
        b.prompt(7, {10, 23, 28, 10}, "&City:", CityTab);
        b.entry(City, {40, 22, 84, 11}, "ZIP:CITY", "@s20", CityTab);
        b.add(StateTab, rt::ControlKind::Tab, {}, "State", Sheet);
        b.add(ZipTab, rt::ControlKind::Tab, {}, "Zip", Sheet);
        b.prompt(11, {10, 23, 28, 10}, "&Zip:", ZipTab);
        b.entry(Zip, {40, 22, 30, 11}, "ZIP:ZIP", "@s5", ZipTab).align = rt::Align::Right;
        b.button(Close, {134, 176, 38, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::zip_list
