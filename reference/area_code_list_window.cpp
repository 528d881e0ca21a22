#include "reference/area_code_list_window.h"

#include "reference/area_code_lookup_window.h"
#include "reference/list_frame.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::area_code_list {

const rt::WindowStructure& areaListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace AreaListControl;
        rt::WindowStructure w =
            listFrame("Tovik105", "P1$BROWSEWINDOW", "Browse the Area Code File", 218, 206,
                      {"MS Sans Serif", 8}, "Tile_35.bmp");
        w.wallpaper.tiled = false;
        w.alertKeys = {KEY::ShiftMask + KEY::letter('A')};
        StructureBuilder b(w);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 40, 202, 140});
        list.format = area_code_lookup::areaCodeListFormat();
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        b.button(Insert, {8, 186, 40, 14}, "&Insert");
        b.button(Change, {52, 186, 40, 14}, "&Change").isDefault = true;
        b.button(Delete, {96, 186, 40, 14}, "&Delete");
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 210, 178});
        b.add(AreaCodeTab, rt::ControlKind::Tab, {}, "Area Code", Sheet);
        b.entry(AreaCode, {56, 22, 24, 11}, "ARE:AREACODE", "@n3", AreaCodeTab).align =
            rt::Align::Right;
        b.prompt(8, {10, 23, 44, 10}, "&Area Code:", AreaCodeTab);
        b.add(StateTab, rt::ControlKind::Tab, {}, "State", Sheet);
        b.entry(State, {56, 22, 16, 11}, "ARE:STATE", "@S2", StateTab);
        b.prompt(11, {10, 23, 44, 10}, "&State:", StateTab);
        b.add(CityTab, rt::ControlKind::Tab, {}, "City", Sheet);
        b.entry(City, {56, 22, 124, 11}, "ARE:CITY", "@s30", CityTab);
        b.prompt(14, {10, 23, 44, 10}, "&City:", CityTab);
        b.button(Close, {170, 186, 40, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::area_code_list
