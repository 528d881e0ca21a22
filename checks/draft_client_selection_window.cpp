#include "checks/draft_client_selection_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::draft_client_selection {

namespace {

using namespace DraftClientControl;

struct Order {
    const char* tab;
    const char* prompt;
    const char* field;
    const char* picture;
    int width;
    const char* tip;
};

constexpr Order kOrders[] = {
    {"Draft Day", "&Enter Draft Day:", "MAI:DRAFTDAY", "@n2", 20, ""},
    {"Draft Amount", "&Enter Draft Amount:", "MAI:MONTHLYAMOUNT", "@n$-11.2", 50, ""},
    {"First Name", "&Enter First Name:", "MAI:FIRSTNAME", "@s15", 64, ""},
    {"Last Name", "Enter Last Name:", "MAI:LASTNAME", "@s15", 64, "Enter last name Of Search"},
    {"Company Name", "&Enter Company Name:", "MAI:COMPANYNAME", "@s30", 124,
     "Enter Company Name For Search"},
    {"City Name", "&Enter City Name:", "MAI:CITY", "@s15", 64, "Enter City Name For Search"},
};

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik091";
    w.label = "SelectMonthlyDraftClient";
    w.title = "Monthly Draft Information";
    w.at = {0, 0, 400, 187};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "CHECK.ICO";
    StructureBuilder b(w);
    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 392, 160});
    for (int i = 0; i < 6; ++i) {
        const Order& o = kOrders[i];
        rt::ControlStructure& t = b.add(FirstTab + i, rt::ControlKind::Tab, {}, o.tab, Sheet);
        if (i == 2) t.tip = "Sort And Locate By First Name";
        b.prompt(FirstPrompt + i, {10, 22, 70, 10}, o.prompt, FirstTab + i);
        rt::ControlStructure& e =
            b.entry(FirstLocator + i, {82, 21, o.width, 11}, o.field, o.picture, FirstTab + i);
        if (i < 2) e.align = rt::Align::Right;
        e.tip = o.tip;
    }
    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 36, 384, 124});
    list.format =
        "30R(2)|M~Draft Day~L(2)@n2@"
        "50R(2)|M~Monthly Amount~L(2)@n$-11.2@"
        "60L|M~First Name~@s15@"
        "60L|M~Last Name~@s15@"
        "77L|M~Company Name~@s30@"
        "60L|M~City~@s15@"
        "18L|M~State~@s2@"
        "30R(1)|M~Zip~@s12@"
        "60R(1)|M~Home Phone~@P(###)-###-####P@"
        "60R(1)|M~Work Phone~@P(###)-###-####P@";
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.verticalScroll = true;
    b.button(Select, {300, 168, 44, 14}, "&Select").isDefault = true;
    b.button(Close, {350, 168, 44, 14}, "Close");
    rt::ControlStructure& insert = b.button(Insert, {250, 168, 44, 14}, "&Insert");
    insert.hidden = true;
    insert.disabled = true;
    return w;
}

}  // namespace

const rt::WindowStructure& draftClientWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::draft_client_selection
