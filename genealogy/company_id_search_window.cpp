#include "genealogy/company_id_search_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::company_id_search {

const rt::WindowStructure& companyIdSearchWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace CompanyIdControl;
        rt::WindowStructure w;
        w.module = "Tovik165";
        w.label = "P1$FORMWINDOW";
        w.title = "Enter Company ID Below";
        w.at = {0, 0, 119, 67};
        w.centered = true;
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.entry(CompanyId, {8, 6, 86, 11}, "MAI:TAB4", "@s20");
        b.button(SearchType, {8, 22, 50, 14}, "&Search Type").hidden = true;
        b.button(Ok, {8, 22, 50, 14}, "OK").hidden = true;
        b.button(BeginSearch, {8, 22, 50, 14}, "&Begin Search").tip = "Begin Search";
        b.button(Cancel, {62, 22, 50, 14}, "Cancel");
        rt::ControlStructure& note =
            b.add(Instructions, rt::ControlKind::String, {6, 40, 108, 24},
                  "Enter Company Code Above. This field is case sensitive. Press the 'Begin "
                  "Search' button.");
        note.font = {"Arial", 8};
        return w;
    }();
    return structure;
}

}  // namespace windows::company_id_search
