#include "checks/monthly_drafts_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::monthly_drafts {

namespace {

using namespace DraftsControl;

struct Order {
    const char* tab;
    const char* prompt;
    const char* field;
    const char* picture;
    int width;
    bool right;
};

constexpr Order kOrders[] = {
    {"First Name", "&Enter First Name:", "CHE:FIRSTNAME", "@S15", 64, false},
    {"Last Name", "Enter Last Name:", "CHE:LASTNAME", "@S15", 64, false},
    {"CheckID", "&Enter Check ID:", "CHE:CHECKID", "@n_7", 40, true},
    {"Check Date", "&Enter Check Date:", "CHE:CHECKDATE", "@D1", 50, true},
    {"Check Number", "&Enter Check Number", "CHE:CHECKNUMBER", "@S10", 44, false},
    {"Company Name", "&Enter Company Name:", "CHE:COMPANYNAME", "@S30", 124, false},
};

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik090";
    w.label = "BrowseMonthlyDrafts";
    w.title = "Print Monthly Drafts";
    w.at = {0, 0, 520, 262};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "CHECK.ICO";
    StructureBuilder b(w);

    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 420, 206});
    for (int i = 0; i < 6; ++i) {
        const Order& o = kOrders[i];
        const int tab = FirstTab + i;
        rt::ControlStructure& t = b.add(tab, rt::ControlKind::Tab, {}, o.tab, Sheet);
        if (i == 0) t.tip = "Sort And Locate By First Name";
        b.prompt(FirstLocatorPrompt + i, {10, 22, 70, 10}, o.prompt, tab);
        rt::ControlStructure& e =
            b.entry(FirstLocator + i, {82, 21, o.width, 11}, o.field, o.picture, tab);
        if (o.right) e.align = rt::Align::Right;
    }

    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 36, 412, 170});
    list.format =
        "10L|MI@s10@"
        "50L|M~First Name~@s15@"
        "50L|M~Last Name~@s15@"
        "30R(2)|M~Draft Day~L(2)@n2@"
        "40R(2)|M~ Date~L(2)@d1@"
        "38R(2)|M~Check #~L(2)@s10@"
        "46R(2)|M~Amount~@n$*10.2@"
        "70L|M~Company Name~@s30@"
        "48L|M~City~@s15@"
        "20L|M~State~@s2@"
        "36L|M~Zip~@s12@";
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.verticalScroll = true;

    b.add(Caption, rt::ControlKind::String, {430, 80, 86, 12}, "Monthly Drafts").font = {"Arial",
                                                                                         10, true};
    b.button(PrintChecks, {430, 8, 86, 16}, "Print Tagged Checks");
    b.button(PrintReport, {430, 28, 86, 16}, "Print Tagged Report");
    b.button(Open, {430, 120, 42, 14}, "&Open");
    b.button(Delete, {474, 120, 42, 14}, "&Delete");
    b.button(Help, {430, 138, 42, 14}, "Help");
    b.button(Close, {474, 138, 42, 14}, "Close");
    b.button(Tag, {4, 214, 40, 14}, "&Tag").tip = "Tag this item";
    b.button(Untag, {46, 214, 40, 14}, "&Untag").tip = "Untag this item";
    b.button(TagAll, {88, 214, 40, 14}, "Tag &All").tip = "Tag all items";
    b.button(UntagAll, {130, 214, 40, 14}, "Unta&g All").tip = "Untag all items";
    b.button(PrevTag, {172, 214, 40, 14}, "&Prev Tag").tip = "Go to previous tagged item";
    b.button(NextTag, {214, 214, 40, 14}, "&Next Tag").tip = "Go to next tagged item";
    b.button(ShowTagged, {256, 214, 50, 14}, "Sho&w Tagged").tip =
        "Show \"All\" or \"Only Tagged\" items?";
    b.button(Search, {308, 214, 40, 14}, "&Search").tip = "Ad Hoc Search";
    b.prompt(TotalPrompt, {4, 234, 120, 10}, "Total Of Tagged Checks To Print:");
    rt::ControlStructure& total = b.entry(Total, {126, 233, 62, 11}, "LOC:Total", "@n$15.2");
    total.align = rt::Align::Right;
    total.readOnly = true;
    b.add(Hint, rt::ControlKind::String, {210, 246, 200, 10},
          "Enter Selection Press Tab For Search");
    return w;
}

}  // namespace

const rt::WindowStructure& monthlyDraftsWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::monthly_drafts
