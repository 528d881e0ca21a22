#include "information/private_label_menu_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::private_label_menu {

const rt::WindowStructure& privateLabelWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace PrivateLabelControl;
        rt::WindowStructure w =
            makeWindow("Tovik170", "WINDOW", "", 248, 135, rt::Font{"Arial", 10, true});
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Panel, {4, 4, 240, 30});
        b.add(Heading, rt::ControlKind::String, {8, 8, 232, 22}, "Pradu Private Label Key").font = {
            "Arial", 22, true, false, 0x0000FF};
        b.add(3, rt::ControlKind::Panel, {4, 38, 240, 48});
        const char* lines[] = {"This window creates the product information file.",
                               "Copy that file onto each of the program's",
                               "distribution disks afterwards."};
        for (int n = 0; n < 3; ++n)
            b.add(Explanation + n * 10, rt::ControlKind::Prompt, {8, 42 + n * 13, 232, 12},
                  lines[n])
                .font = {"Arial", 10, true, false, 0x800000};
        b.add(5, rt::ControlKind::Panel, {4, 90, 240, 40});
        b.button(MakeFile, {11, 94, 226, 14}, "Press Here To Make A New Private File");
        b.button(Close, {11, 112, 226, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::private_label_menu
