#include "followups/add_contacts_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::add_contacts_list {

namespace {

using namespace AddListControl;

rt::WindowStructure makeWindow(const char* module, const char* title, int height) {
    rt::WindowStructure w;
    w.module = module;
    w.label = "BrowseWindow";
    w.title = title;
    w.at = {0, 0, 239, height};
    w.centered = true;
    w.frame = rt::FrameKind::Resizable;
    w.resizable = true;
    w.font = {"MS Sans Serif", 8};
    StructureBuilder b(w);
    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 231, height - 30});
    struct Tab {
        int tab, entry;
        const char *text, *prompt, *field, *picture;
        int width;
    };
    const Tab tabs[] = {
        {FirstNameTab, FirstName, "First Name", "&First Name:", "MAI:FIRSTNAME", "@s15", 64},
        {LastNameTab, LastName, "Last Name", "&Last Name:", "MAI:LASTNAME", "@s15", 64},
        {CompanyTab, CompanyName, "Company Name", "&Company Name:", "MAI:COMPANYNAME", "@s30", 124},
    };
    for (const Tab& t : tabs) {
        b.add(t.tab, rt::ControlKind::Tab, {}, t.text, Sheet);
        b.prompt(t.entry - 1, {10, 23, 56, 10}, t.prompt, t.tab);
        b.entry(t.entry, {68, 22, t.width, 11}, t.field, t.picture, t.tab).tip =
            "Enter Selection And Then Press Tab";
    }
    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {10, 38, 219, height - 70});
    list.format = "64L(2)|M~First Name~@s15@60L(2)|M~Last Name~@s15@120L(2)|M~Company Name~@s30@";
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.verticalScroll = true;
    const int y = height - 20;
    b.button(Insert, {8, y, 44, 14}, "&Insert");
    b.button(Open, {56, y, 44, 14}, "&Open").isDefault = true;
    b.button(Delete, {104, y, 44, 14}, "&Delete").hidden = true;
    b.button(Close, {187, y, 44, 14}, "Close");
    return w;
}

}  // namespace

const rt::WindowStructure& addContactsWindow() {
    static const rt::WindowStructure structure = makeWindow("Tovik024", "Add New Contacts", 195);
    return structure;
}

const rt::WindowStructure& addAppointmentsWindow() {
    static const rt::WindowStructure structure = makeWindow("Tovik029", "Add New Appointment", 199);
    return structure;
}

}  // namespace windows::add_contacts_list
