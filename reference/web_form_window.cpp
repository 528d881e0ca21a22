#include "reference/web_form_window.h"

#include "reference/list_frame.h"
#include "reference/web_list_window.h"
#include "runtime/ui/structure_builder.h"

namespace windows::web_form {

const rt::WindowStructure& webFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace WebFormControl;
        rt::WindowStructure w = listFrame("Tovik166", "P1$QUICKWINDOW", "Web Addresses", 358, 76,
                                          {"MS Sans Serif", 8}, "");
        w.wallpaper = {};
        StructureBuilder b(w);
        b.add(Globe, rt::ControlKind::Image, {6, 10, 32, 32}).icon = "Wrld.gif";
        // The fields stand on the page, below the row of its (untitled) tab.
        b.add(2, rt::ControlKind::Sheet, {44, 2, 310, 54});
        b.add(3, rt::ControlKind::Tab, {}, "", 2);
        b.prompt(4, {50, 21, 40, 10}, "&Site Name:", 3);
        b.entry(SiteName, {92, 20, 120, 11}, "WEB:SITENAME", "@S30", 3);
        b.add(6, rt::ControlKind::String, {220, 21, 22, 10}, "Type:", 3);
        std::string items;
        for (const char* category : web_list::kWebCategories)
            items += std::string(category) + "|";
        rt::ControlStructure& type =
            b.add(Category, rt::ControlKind::Combo, {244, 20, 104, 11}, {}, 3);
        type.use = "WEB:GENERAL";
        type.picture = "@s20";
        type.from = items + " ";  // an empty item ends the list
        b.prompt(8, {50, 37, 40, 10}, "&URL:", 3);
        b.entry(Url, {92, 36, 256, 11}, "WEB:URL", "@S80", 3);
        b.button(Ok, {254, 59, 48, 14}, "OK").isDefault = true;
        b.button(Cancel, {306, 59, 48, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::web_form
