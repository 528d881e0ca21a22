#include "reference/area_code_lookup_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::area_code_lookup {

const char* areaCodeListFormat() {
    return "40R(2)|M~Area Code~C@n3@24L(2)|M~State~@S2@80L(2)|M~City~@s30@44L(2)|M~Time "
           "Zone~@s10@";
}

const rt::WindowStructure& areaLookupWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace AreaLookupControl;
        rt::WindowStructure w =
            listFrame("Tovik104", "P1$BROWSEWINDOW", "Browse the Area Code File", 217, 143,
                      {"MS Sans Serif", 8}, "Tile_35.bmp");
        w.wallpaper.tiled = false;
        w.icon = "C:\\ICO\\PHONE10.ICO";
        w.cursor = "3dsarro.cur";
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 40, 201, 80});
        list.format = areaCodeListFormat();
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        b.button(UpdateAreaCodes, {8, 124, 70, 14}, "Update Area Codes");
        rt::ControlStructure& sheet = b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 209, 116});
        sheet.font = {"Arial", 8, true};
        b.add(AreaCodeTab, rt::ControlKind::Tab, {}, "Area Code", Sheet);
        b.entry(AreaCode, {56, 22, 24, 11}, "ARE:AREACODE", "@n3", AreaCodeTab).align =
            rt::Align::Right;
        b.prompt(6, {10, 23, 44, 10}, "&Area Code:", AreaCodeTab);
        b.add(StateTab, rt::ControlKind::Tab, {}, "State", Sheet);
        b.entry(State, {56, 22, 16, 11}, "ARE:STATE", "@S2", StateTab);
        b.prompt(9, {10, 23, 44, 10}, "&State:", StateTab);
        b.add(CityTab, rt::ControlKind::Tab, {}, "City", Sheet);
        b.entry(City, {56, 22, 124, 11}, "ARE:CITY", "@s30", CityTab);
        b.prompt(12, {10, 23, 44, 10}, "&City:", CityTab);
        b.button(Close, {168, 124, 40, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::area_code_lookup
