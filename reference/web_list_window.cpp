#include "reference/web_list_window.h"

#include "reference/list_frame.h"
#include "runtime/ui/structure_builder.h"

namespace windows::web_list {

const rt::WindowStructure& webListWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace WebListControl;
        rt::WindowStructure w = listFrame("Tovik165", "P1$BROWSEWINDOW", "Browse the Web File", 357,
                                          177, {"MS Sans Serif", 8}, "");
        w.wallpaper = {};
        w.maximizeBox = true;
        StructureBuilder b(w);
        // The tabs choose the category above the list; the list, the address and the site-name
        // entry stand below them, outside the sheet, so every tab shares them.
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {4, 22, 349, 96});
        list.format = "80L(2)|M~Site Name~@S30@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        list.verticalScroll = true;
        b.add(Address, rt::ControlKind::String, {4, 121, 349, 10}).use = "WEB:URL";
        b.button(Add, {10, 156, 45, 14}, "Add");
        b.button(Open, {58, 156, 45, 14}, "&Open").isDefault = true;
        b.button(GoToSite, {106, 150, 130, 22}, "Press Here To Go To Site").icon = "Wrld.gif";
        b.button(Delete, {239, 156, 45, 14}, "&Delete");
        b.prompt(7, {4, 136, 40, 10}, "&Site Name:");
        rt::ControlStructure& entry = b.entry(SiteName, {46, 135, 140, 11}, "WEB:SITENAME", "@S30");
        entry.tip = "Enter Web Site Name And Press Tab For Search";
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 349, 16});
        b.add(FirstTab, rt::ControlKind::Tab, {}, "All", Sheet);
        for (int n = 0; n < static_cast<int>(kWebCategories.size()); ++n)
            b.add(FirstTab + 1 + n, rt::ControlKind::Tab, {}, kWebCategories[n], Sheet);
        b.button(Close, {303, 156, 45, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::web_list
