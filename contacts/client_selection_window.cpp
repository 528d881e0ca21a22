#include "contacts/client_selection_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::client_selection {

const rt::WindowStructure& clientWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ClientControl;
        rt::WindowStructure w;
        w.module = "Tovik006";
        w.label = "SelectClient";
        w.title = "";
        w.at = {0, 0, 337, 187};
        w.centered = true;
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.add(Heading, rt::ControlKind::String, {8, 2, 250, 16}, "Client Names And Information")
            .font = {"Times New Roman", 14, false, true};
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 52, 321, 110});
        list.format =
            "60L|M~First Name~@s15@60L|M~Last Name~@s15@77L|M~Company Name~@s30@60L|M~City~@s15@"
            "18L|M~State~@s2@21R(1)|M~Zip~@s12@60R(1)|M~Home Phone~@P(###)-###-####P@"
            "60R(1)|M~Work Phone~@P(###)-###-####P@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        b.add(Sheet, rt::ControlKind::Sheet, {4, 20, 329, 146});
        const char* tabs[] = {"First Name", "Last Name", "Company Name",
                              "City Name",  "State",     "Zip Code"};
        const char* prompts[] = {"&Enter First Name:", "Enter Last Name:", "&Enter Company Name:",
                                 "&Enter City Name:",  "&Enter State:",    "&Enter Zip Code:"};
        const char* fields[] = {"MAI:FIRSTNAME", "MAI:LASTNAME", "MAI:COMPANYNAME",
                                "MAI:CITY",      "MAI:STATE",    "MAI:ZIP"};
        const char* pictures[] = {"@s15", "@s15", "@s30", "@s15", "@s2", "@s12"};
        for (int i = 0; i < 6; ++i) {
            b.add(FirstTab + i, rt::ControlKind::Tab, {}, tabs[i], Sheet);
            b.prompt(FirstPrompt + i, {10, 38, 70, 10}, prompts[i], FirstTab + i);
            rt::ControlStructure& e =
                b.entry(FirstLocator + i, {82, 37, 124, 11}, fields[i], pictures[i], FirstTab + i);
            if (i == 5) {
                e.align = rt::Align::Right;
                e.tip = "Enter Zip Code For Search";
            }
        }
        b.button(Select, {240, 170, 40, 14}, "&Select").isDefault = true;
        b.button(Close, {290, 170, 40, 14}, "Close");
        rt::ControlStructure& insert = b.button(Insert, {190, 170, 40, 14}, "&Insert");
        insert.hidden = true;
        insert.disabled = true;
        return w;
    }();
    return structure;
}

}  // namespace windows::client_selection
