#include "checks/checks_to_print_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::checks_to_print {

namespace {

using namespace ChecksToPrintControl;

struct Order {
    const char* tab;
    const char* prompt;  // empty: no locator entry
    const char* field;
    const char* picture;
    int width;
};

constexpr Order kOrders[] = {
    {"First Name", "&Enter First Name:", "CHE:FIRSTNAME", "@s15", 64},
    {"Last Name", "Enter Last Name:", "CHE:LASTNAME", "@s15", 64},
    {"Company Name", "&Enter Company Name:", "CHE:COMPANYNAME", "@s30", 124},
    {"ID #", "", "", "", 0},
    {"State", "&Enter State:", "CHE:STATE", "@s2", 14},
    {"Check Number", "&Check Number:", "CHE:CHECKNUMBER", "@s10", 44},
};

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik026";
    w.label = "PostChecksToPrint";
    w.title = "Post Checks To Print";
    w.at = {0, 0, 420, 246};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "CHECK.ICO";
    StructureBuilder b(w);

    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 340, 206});
    for (int i = 0; i < 6; ++i) {
        const Order& o = kOrders[i];
        const int tab = FirstTab + i;
        rt::ControlStructure& t = b.add(tab, rt::ControlKind::Tab, {}, o.tab, Sheet);
        if (i == 0) t.tip = "Sort And Locate By First Name";
        if (*o.prompt == '\0') continue;
        b.prompt(FirstLocatorPrompt + i, {10, 22, 70, 10}, o.prompt, tab);
        rt::ControlStructure& e =
            b.entry(FirstLocator + i, {82, 21, o.width, 11}, o.field, o.picture, tab);
        if (i == 5) e.align = rt::Align::Right;
    }

    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 36, 332, 170});
    list.format =
        "10L|MI@s10@"
        "52L|M~First Name~@s15@"
        "52L|M~Last Name~@s15@"
        "74L|M~Company Name~@s30@"
        "46R(2)|M~Amount~@n$*10.2@"
        "36R(2)|M~Check #~@s10@"
        "22L|M~State~@s2@"
        "36L|M~Zip~@s12@";
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.verticalScroll = true;

    b.button(PrintTagged, {350, 8, 66, 16}, "Print Taged Checks");
    b.button(PrintAll, {350, 28, 66, 16}, "Print All Checks");
    b.button(Add, {350, 120, 32, 14}, "&Add");
    b.button(Open, {384, 120, 32, 14}, "&Open");
    b.button(Delete, {350, 138, 32, 14}, "&Delete");
    b.button(Help, {384, 138, 32, 14}, "Help");
    b.button(Close, {350, 156, 66, 14}, "Close");
    b.button(Tag, {4, 214, 44, 14}, "&Tag").tip = "Tag this item";
    b.button(Untag, {50, 214, 44, 14}, "&Untag").tip = "Untag this item";
    b.button(TagAll, {96, 214, 44, 14}, "Tag A&ll").tip = "Tag all items";
    b.button(UntagAll, {142, 214, 44, 14}, "Unta&g All").tip = "Untag all items";
    b.prompt(TotalPrompt, {196, 217, 80, 10}, "Checks To Print Total:");
    rt::ControlStructure& total = b.entry(Total, {278, 215, 62, 11}, "LOC:Total", "@n$15.2");
    total.align = rt::Align::Right;
    total.readOnly = true;
    b.add(ProductName, rt::ControlKind::String, {4, 232, 200, 10}).use = "PLF:PRODUCTNAME";
    b.add(Hint, rt::ControlKind::String, {210, 232, 200, 10}, "Enter Selection And Press Tab");
    return w;
}

}  // namespace

const rt::WindowStructure& checksToPrintWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::checks_to_print
