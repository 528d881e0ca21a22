#include "contacts/contacts_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::contacts_list {

namespace {

using namespace ContactsControl;

struct Tool {
    int number;
    const char* tip;
    const char* icon;
};

constexpr Tool kTools[] = {
    {ToolChecksToPrint, "Post And Print Checks", "C:\\icon5\\$.ico"},
    {ToolCheckRegister, "Check Register & Reprint Checks", "C:\\ICO\\NOTE14.ICO"},
    {ToolMonthlyDrafts, "Monthly Drafts", "C:\\ICO\\PC02.ICO"},
    {ToolInvoice, "Create An Invoice", "C:\\icon5\\Order.ico"},
    {ToolFileManager, "Windows File Manager", "C:\\ICO\\FILES04.ICO"},
    {ToolWordProcessor, "Word Processor", "C:\\ICO\\NOTE17.ICO"},
    {ToolHelp, "Help and Information", "32514"},
    {ToolMlmPanel, "MLM Panel", "C:\\icon4\\Tree.ico"},
    {ToolEnvelope, "Print Envelope - Tagged Records Only", "C:\\ICO\\MAIL01.ICO"},
    {ToolContacts, "", "C:\\ico\\Crdfle10.ico"},
    {ToolAppointments, "Check Appointments", "C:\\ICO\\CLOCK01.ICO"},
    {ToolZipCodes, "Zip Code File (Optional)", "C:\\ICO\\MAIL16B.ICO"},
    {ToolAreaCodes, "Telephone Area Codes", "C:\\ICO\\PHONE10.ICO"},
    {ToolBusinessCards, "Print Business Cards and Return Address Labels", "C:\\icon4\\poker.ico"},
};

struct Order {
    const char* tab;
    const char* prompt;
    const char* field;
    const char* picture;
    int width;
};

constexpr Order kOrders[] = {
    {"First Name", "&Enter First Name:", "MAI:FIRSTNAME", "@s15", 64},
    {"Last Name", "Enter Last Name:", "MAI:LASTNAME", "@s15", 64},
    {"Company Name", "&Enter Company Name:", "MAI:COMPANYNAME", "@s30", 124},
    {"City Name", "&Enter City Name:", "MAI:CITY", "@s15", 64},
    {"State", "&Enter State:", "MAI:STATE", "@s2", 14},
    {"Zip Code", "&Enter Zip Code:", "MAI:ZIP", "@s12", 52},
};

rt::WindowStructure makeContactsWindow() {
    rt::WindowStructure w;
    w.module = "Tovik001";
    w.label = "BrowseMAIL";
    w.title = "Names And Information";
    w.at = {0, 0, 424, 266};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "MAIL.ICO";
    w.toolbar = {0, 0, 424, 21};
    StructureBuilder b(w);

    int x = 2;
    for (const Tool& t : kTools) {
        rt::ControlStructure& c = b.button(t.number, {x, 2, 19, 17}, t.tip);
        c.tip = t.tip;
        c.icon = t.icon;
        c.toolbar = true;
        x += 20;
    }

    b.add(Sheet, rt::ControlKind::Sheet, {4, 24, 340, 214});
    for (int i = 0; i < 6; ++i) {
        const Order& o = kOrders[i];
        const int tab = FirstTab + i;
        b.add(tab, rt::ControlKind::Tab, {}, o.tab, Sheet);
        b.prompt(FirstLocatorPrompt + i, {10, 42, 70, 10}, o.prompt, tab);
        rt::ControlStructure& e =
            b.entry(FirstLocator + i, {82, 41, o.width, 11}, o.field, o.picture, tab);
        if (i == 5) e.align = rt::Align::Right;
        if (i != 2)
            b.add(FirstTabHint + i, rt::ControlKind::String, {160, 42, 150, 10},
                  "Enter Selection And Press Tab For Search", tab);
    }
    b.button(PostNewDistributor, {250, 220, 70, 14}, "Post New Distributor", FirstTab);
    rt::ControlStructure& copy = b.button(Copy, {200, 220, 45, 14}, "Cop&y", FirstTab);
    copy.tip = "Copies Highlighted Record";

    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 56, 332, 160});
    list.format =
        "10L|MI@s10@"
        "60L|M~First Name~I@s15@"
        "60L|M~Last Name~@s15@"
        "77L|M~Company Name~@s30@"
        "60L|M~City~@s15@"
        "19L|M~State~@s2@"
        "21R(1)|M~Zip~@s12@"
        "60R(1)|M~Home Phone~@P(###)-###-####P@"
        "60R(1)|M~Work Phone~@P(###)-###-####P@";
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.verticalScroll = true;

    b.add(SideGroup, rt::ControlKind::Group, {350, 26, 70, 120});
    b.button(MlmPanel, {354, 34, 62, 14}, "MLM Panel", SideGroup);
    b.button(PrintTaggedLabels, {354, 52, 62, 14}, "Print Tagged Labels", SideGroup);
    b.button(PrintTaggedReport, {354, 70, 62, 14}, "Print Tagged Report", SideGroup);
    rt::ControlStructure& phones =
        b.button(PhoneNumbers, {354, 88, 62, 14}, "Phone Numbers", SideGroup);
    phones.tip = "Client Phone Numbers";
    b.button(EMail, {354, 106, 62, 14}, "E-Mail", SideGroup);
    b.button(Web, {354, 124, 62, 14}, "Web", SideGroup);

    b.button(Add, {350, 152, 34, 14}, "&Add");
    b.button(Open, {386, 152, 34, 14}, "&Open");
    b.button(Delete, {350, 170, 34, 14}, "&Delete");
    b.button(Close, {386, 170, 34, 14}, "Close");
    b.button(Tag, {4, 244, 40, 14}, "&Tag");
    b.button(Untag, {46, 244, 40, 14}, "&Untag");
    b.button(TagAll, {88, 244, 40, 14}, "Tag &All");
    b.button(UntagAll, {130, 244, 40, 14}, "Unta&g All");
    b.button(NextTag, {172, 244, 40, 14}, "&Next Tag");
    b.button(PrevTag, {214, 244, 40, 14}, "&Prev Tag");
    b.button(ShowTagged, {256, 244, 46, 14}, "Sho&w Tagged");
    rt::ControlStructure& search = b.button(Search, {304, 244, 40, 14}, "&Search");
    search.tip = "Ad Hoc Search";
    return w;
}

}  // namespace

const rt::WindowStructure& contactsWindow() {
    static const rt::WindowStructure structure = makeContactsWindow();
    return structure;
}

}  // namespace windows::contacts_list
