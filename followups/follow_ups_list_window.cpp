#include "followups/follow_ups_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::follow_ups_list {

using namespace DatedListControl;

rt::WindowStructure datedListFrame(const char* module, const char* title, const char* tabText,
                                   const char* clearText, const char* addText,
                                   const char* listFormat, int listWidth) {
    rt::WindowStructure w;
    w.module = module;
    w.label = "BrowseWindow";
    w.title = title;
    w.at = {0, 0, 302, 162};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.font = {"MS Sans Serif", 8};
    StructureBuilder b(w);
    b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 214, 154});
    b.add(Tab, rt::ControlKind::Tab, {}, tabText, Sheet);
    rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {10, 22, listWidth, 112});
    list.format = listFormat;
    list.tip = "Browsing Records";
    list.listFlags = 0x800;
    list.parent = Tab;
    const int x = 16 + listWidth;
    const int width = 212 - x;
    const char* fields[] = {"MAI:FIRSTNAME", "MAI:LASTNAME", "MAI:COMPANYNAME", "MAI:ADDRESS"};
    for (int i = 0; i < 4; ++i)
        b.add(FirstName + i, rt::ControlKind::String, {x, 24 + 11 * i, width, 10}, {}, Tab).use =
            fields[i];
    b.add(City, rt::ControlKind::String, {x, 68, width - 16, 10}, {}, Tab).use = "MAI:CITY";
    b.add(State, rt::ControlKind::String, {x + width - 14, 68, 14, 10}, {}, Tab).use = "MAI:STATE";
    b.add(Zip, rt::ControlKind::String, {x, 79, width, 10}, {}, Tab).use = "MAI:ZIP";
    rt::ControlStructure& dial = b.button(DialPhone, {10, 138, 22, 14}, "", Tab);
    dial.icon = "PHONE10.ICO";
    dial.tip = "Dial Phone";
    b.button(Clear, {36, 138, 92, 14}, clearText, Tab);

    b.button(EMail, {222, 6, 36, 20}, "").icon = "MAIL16B.ICO";
    b.button(Web, {262, 6, 36, 20}, "").icon = "globe5b.gif";
    rt::ControlStructure& print = b.button(PrintReport, {222, 30, 36, 20}, "");
    print.icon = "NOTE14.ICO";
    print.tip = "Print Appointment Report";
    b.button(Add, {222, 56, 76, 14}, addText);
    b.button(Change, {222, 74, 76, 14}, "&Change").isDefault = true;
    rt::ControlStructure& insert = b.button(Insert, {222, 92, 76, 14}, "&Insert");
    insert.hidden = true;
    insert.disabled = true;
    b.button(Delete, {222, 92, 76, 14}, "&Delete").hidden = true;
    // The legend: coming, today, past.
    const char* legend[][2] = {
        {"~Greenb.ico", "Comming"}, {"~Blueb.ico", "Today"}, {"~Redb.ico", "Past"}};
    for (int i = 0; i < 3; ++i) {
        b.add(21 + 2 * i, rt::ControlKind::Image, {224, 94 + 13 * i, 10, 10}).icon = legend[i][0];
        b.add(22 + 2 * i, rt::ControlKind::String, {238, 95 + 13 * i, 58, 10}, legend[i][1]);
    }
    b.button(Close, {222, 136, 76, 20}, "").icon = "TINEXITS.ICO";
    return w;
}

const rt::WindowStructure& followUpsListWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w = datedListFrame(
            "Tovik019", "Contacts", "Contacts", "Clear Old Contacts", "Add New Contacts",
            "47R(1)|I~Date~L(0)@d1@80L(1)|~Follow Up~L(0)@s20@", 132);
        StructureBuilder b(w);
        rt::ControlStructure& caption = b.add(30, rt::ControlKind::String, {148, 94, 76, 10},
                                              "Follow Up", DatedListControl::Tab);
        caption.font = {"", 0, true};
        b.add(31, rt::ControlKind::String, {148, 105, 64, 10}, {}, DatedListControl::Tab).use =
            "MAI:FOLLOWUP";
        return w;
    }();
    return structure;
}

}  // namespace windows::follow_ups_list
