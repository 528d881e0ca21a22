#include "contacts/contact_search_window.h"

#include <string>

#include "contacts/contact_form_window.h"
#include "runtime/ui/structure_builder.h"

namespace windows::contact_search {

const rt::WindowStructure& searchWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace SearchControl;
        rt::WindowStructure w;
        w.module = "Tovik023";
        w.label = "P1$FORMWINDOW";
        w.title = "Update Records...";
        w.at = {0, 0, 417, 204};
        w.centered = true;
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.prompt(1, {6, 8, 50, 10}, "&First Name:");
        b.entry(FirstName, {70, 7, 64, 11}, "MAI:FIRSTNAME", "@s15");
        b.entry(LastName, {150, 7, 64, 11}, "MAI:LASTNAME", "@s15");
        b.prompt(4, {6, 22, 50, 10}, "&Company Name:");
        b.entry(CompanyName, {70, 21, 144, 11}, "MAI:COMPANYNAME", "@s30");
        b.prompt(6, {6, 36, 50, 10}, "&Address:");
        b.entry(Address, {70, 35, 144, 11}, "MAI:ADDRESS", "@s30");
        b.prompt(8, {226, 36, 30, 10}, "Tag 3:");
        b.entry(Tag3, {270, 35, 90, 11}, "MAI:TAB3", "@s20");
        b.prompt(10, {226, 8, 30, 10}, "&Date:");
        b.entry(Date, {270, 7, 50, 11}, "MAI:DATE", "@d1");
        b.prompt(12, {6, 50, 50, 10}, "&City:");
        b.entry(City, {70, 49, 64, 11}, "MAI:CITY", "@s15");
        b.entry(State, {150, 49, 16, 11}, "MAI:STATE", "@s2");
        b.entry(Zip, {180, 49, 50, 11}, "MAI:ZIP", "@s12");
        b.prompt(16, {226, 64, 40, 10}, "Company ID:");
        b.entry(CompanyId, {270, 63, 90, 11}, "MAI:TAB4", "@s20");
        b.prompt(18, {226, 78, 40, 10}, "Tag 1:");
        b.entry(Tag1, {270, 77, 90, 11}, "MAI:TAB1", "@s20");
        b.prompt(20, {226, 92, 40, 10}, "Tag 2:");
        b.entry(Tag2, {270, 91, 90, 11}, "MAI:TAB2", "@s20");
        b.add(PhoneGroup, rt::ControlKind::Group, {6, 64, 214, 66}, "&Phones");
        const char* numbers[] = {"MAI:HOMEPHONE", "MAI:WORKPHONE", "MAI:FAX", "MAI:CELLPHONE"};
        for (int r = 0; r < 4; ++r) {
            const int y = 74 + 13 * r;
            rt::ControlStructure& kind =
                b.add(PhoneKind1 + 2 * r, rt::ControlKind::DropList, {24, y, 70, 11});
            kind.use = "MAI:PHONE" + std::to_string(r + 1);
            kind.from = contact_form::phoneKindList(r);
            kind.tip = "Enter Phone Type For This Number";
            b.entry(HomePhone + 2 * r, {112, y, 70, 11}, numbers[r], r == 0 ? "@S15" : "@s15");
        }
        b.prompt(31, {6, 136, 40, 10}, "&Note 1:");
        b.entry(Note1, {70, 135, 290, 11}, "MAI:NOTE1", "@s80");
        b.prompt(33, {6, 150, 40, 10}, "E-Mail");
        b.entry(EMail, {70, 149, 290, 11}, "MAI:NOTE2", "@s80");
        b.prompt(35, {6, 164, 50, 10}, "ADD'L Notes");
        b.add(Notes, rt::ControlKind::Text, {70, 163, 290, 20}).use = "MAI:NOTES3";
        b.button(SearchType, {366, 110, 46, 14}, "&Search Type").tip = "Comparison Operator";
        b.button(BeginSearch, {366, 128, 46, 14}, "&Begin Search").tip = "Begin Search";
        b.button(Ok, {366, 146, 46, 14}, "OK").isDefault = true;
        b.button(Cancel, {366, 164, 46, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::contact_search
