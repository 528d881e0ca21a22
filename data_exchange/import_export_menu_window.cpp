#include "data_exchange/import_export_menu_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::import_export_menu {

namespace {

constexpr int kDarkPurple = 0x400040;
constexpr int kBlue = 0x0000FF;

}  // namespace

const rt::WindowStructure& importExportMenuWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace ImportExportMenuControl;
        rt::WindowStructure w =
            makeWindow("Tovik040", "P1$WINDOW", "", 132, 149, rt::Font{"Arial", 10, true});
        w.background = kDarkPurple;
        StructureBuilder b(w);
        b.add(Panel, rt::ControlKind::Panel, {4, 4, 124, 140}).background = kDarkPurple;
        auto button = [&](int number, int y, const char* text, int color, const char* icon) {
            rt::ControlStructure& c = b.button(number, {9, y, 114, 14}, text);
            c.font.color = color;
            c.icon = icon;
        };
        // The import icon's arrow points from the right page to the left, the export's the
        // other way.
        button(ImportClients, 14, "Import Client Records", kBlue, "32527");
        button(ExportClients, 31, "Export Client Records", kBlue, "32526");
        button(Help, 107, "Import/Export Help", 0xFFFF00, "32514");
        button(ExportChecks, 79, "Export Check Records", kBlue, "32526");
        button(ImportChecks, 62, "Import Check Records", kBlue, "32527");
        button(Close, 124, "Close", 0x800040, "32531");
        return w;
    }();
    return structure;
}

}  // namespace windows::import_export_menu
