#include "invoices/invoice_list_window.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::invoice_list {

namespace {

using namespace InvoiceListControl;

// One sort tab: its locator panel, prompt and entry (none on the filtered tabs).
struct TabLook {
    int tab;
    const char* text;
    int panel, prompt, entry;
    const char* promptText;
    const char* use;
    const char* picture;
    int entryWidth;
};

constexpr TabLook kTabs[] = {
    {FirstNameTab, "First Name", 2, 4, FirstName, "First Name:", "ORD:FIRSTNAME", "@s15", 64},
    {LastNameTab, "Last Name", 6, 8, LastName, "Last Name:", "ORD:LASTNAME", "@s15", 64},
    {CompanyTab, "Company", 9, 11, Company, "Company:", "ORD:COMPANY", "@s30", 124},
    {OrderDateTab, "Order Date", 12, 14, OrderDate, "Order Date:", "ORD:ORDERDATE", "@n-14", 56},
    {UnprintedTab, "Unprinted Invoices Only", 16, 0, 0, nullptr, nullptr, nullptr, 0},
    {WithBalanceTab, "With Balance", 0, 0, 0, nullptr, nullptr, nullptr, 0},
};

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik046";
    w.label = "P1$BROWSEWINDOW";
    w.title = "Browse Invoice Records";
    w.at = {0, 0, 397, 196};
    w.centered = true;
    w.font = {"Arial", 8, false, false, 0xFF0000};
    w.wallpaper = {"Tile_24.bmp", true, false};
    StructureBuilder b(w);
    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 389, 144});
    for (const TabLook& t : kTabs) {
        b.add(t.tab, rt::ControlKind::Tab, {}, t.text, Sheet);
        if (t.panel) b.add(t.panel, rt::ControlKind::Panel, {8, 18, 381, 14}, {}, t.tab);
        if (!t.entry) continue;
        b.prompt(t.prompt, {12, 20, 44, 10}, t.promptText, t.tab);
        rt::ControlStructure& e =
            b.entry(t.entry, {58, 19, t.entryWidth, 11}, t.use, t.picture, t.tab);
        if (t.entry == OrderDate) e.align = rt::Align::Right;
    }
    rt::ControlStructure& frame = b.add(ButtonFrame, rt::ControlKind::Box, {2, 163, 393, 31});
    frame.font.color = 0x000000;
    b.button(CompanyNames, {6, 166, 62, 12}, "Company Names");
    b.button(InventoryFile, {70, 166, 58, 12}, "Inventory File");
    b.button(PrintTaggedInvoice, {130, 166, 84, 12}, "Print Tagged Invoice");
    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 34, 381, 112});
    list.format =
        "10L|I@s10@60L|~FirstName~@s15@?60L|~LastName~@s15@74L|~Company~@s30@"
        "37R(1)|~OrderDate~@D1@80R(1)|~Balance~@n-13.2@";
    list.tip = "Browsing Records";
    list.verticalScroll = true;
    list.listFlags = 0x800;
    b.button(PrintTaggedReport, {6, 180, 64, 12}, "Print Tagged Rpt.");
    b.button(PrintShippingLabels, {72, 180, 112, 12}, "Print Taged Shipping Label");
    b.button(PrintUnprinted, {216, 166, 100, 12}, "Print Unprinted Invoices");
    b.button(Add, {4, 150, 40, 12}, "Add").key = KEY::Insert;
    rt::ControlStructure& open = b.button(Open, {46, 150, 40, 12}, "&Open");
    open.key = KEY::CtrlEnter;
    open.isDefault = true;
    b.button(TagAll, {214, 150, 44, 12}, "Tag &All").tip = "Tag all items";
    b.button(UntagAll, {260, 150, 44, 12}, "Unta&g All").tip = "Untag all items";
    b.button(NextTag, {306, 150, 42, 12}, "&Next Tag").tip = "Go to next tagged item";
    b.button(Delete, {88, 150, 40, 12}, "&Delete").key = KEY::Delete;
    b.button(Close, {318, 180, 74, 12}, "Close");
    b.button(ShowTagged, {318, 166, 74, 12}, "Sho&w Tagged").tip =
        "Show \"All\" or \"Only Tagged\" items?";
    b.button(Tag, {130, 150, 40, 12}, "&Tag").tip = "Tag this item";
    b.button(Untag, {172, 150, 40, 12}, "&Untag").tip = "Untag this item";
    b.button(PreviousTag, {350, 150, 43, 12}, "&Prev Tag").tip = "Go to previous tagged item";
    return w;
}

}  // namespace

const rt::WindowStructure& invoiceListWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::invoice_list
