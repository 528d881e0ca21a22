#include "genealogy/sponsor_list_window.h"

#include "genealogy/level_order.h"
#include "runtime/ui/structure_builder.h"

namespace windows::sponsor_list {

const rt::WindowStructure& sponsorWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace SponsorControl;
        rt::WindowStructure w = GenealogyListFrame("Tovik161", "Browse the Sponsor File", 304, 169);
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 2, 296, 128});
        b.add(FirstNameTab, rt::ControlKind::Tab, {}, "First Name", Sheet);
        b.add(LastNameTab, rt::ControlKind::Tab, {}, "Last Name", Sheet);
        b.add(IdNumberTab, rt::ControlKind::Tab, {}, "ID Number", Sheet);
        b.add(SelectTab, rt::ControlKind::Tab, {}, "Press Here Then Press Select", Sheet);
        b.prompt(FirstNamePrompt, {10, 20, 44, 10}, "&First Name:", FirstNameTab);
        b.entry(FirstNameEntry, {56, 19, 64, 11}, "MAI:FIRSTNAME", "@s15", FirstNameTab);
        b.prompt(LastNamePrompt, {10, 20, 44, 10}, "&Last Name:", LastNameTab);
        b.entry(LastNameEntry, {56, 19, 64, 11}, "MAI:LASTNAME", "@s15", LastNameTab);
        b.prompt(IdNumberPrompt, {10, 20, 44, 10}, "ID Number:", IdNumberTab);
        b.entry(IdNumberEntry, {56, 19, 64, 11}, "MAI:IDNUMBER", "@s15", IdNumberTab);
        rt::ControlStructure& select = b.button(Select, {10, 17, 60, 16}, "Select", SelectTab);
        select.font = {"Arial", 14, true};
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 36, 288, 90});
        list.format =
            "60L(2)|M~First Name~@s15@"
            "60L(2)|M~Last Name~@s15@"
            "64L(2)|M~ID Number~@s15@"
            "24R(2)|M~Level~L(2)@n4@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        list.verticalScroll = true;
        // The instruction, one string a line.
        const char* lines[] = {
            "Highlight Sponsor for new distributor. Then press the tab: 'Press Here Then Press",
            "Select'. Next press the 'Select' button. Now close the MLM Panel and Press the 'Add'",
            "button. Press the small button next to 'Sponsor ID' field to add sponsor "
            "information."};
        for (int i = 0; i < 3; ++i)
            b.add(Instructions + i, rt::ControlKind::String, {6, 133 + 11 * i, 292, 10}, lines[i]);
        return w;
    }();
    return structure;
}

}  // namespace windows::sponsor_list
