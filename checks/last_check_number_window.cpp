#include "checks/last_check_number_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::last_check_number {

const rt::WindowStructure& lastCheckNumberWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace LastNumberControl;
        rt::WindowStructure w;
        w.module = "Tovik098";
        w.label = "EnterLastCheckNumber";
        w.title = "Enter Last Check Number Used";
        w.at = {0, 0, 137, 64};
        w.centered = true;
        w.systemMenu = false;
        w.font = {"Arial", 10, true, false, 0xFFFFFF};
        w.background = 0x800000;
        w.cursor = "3dsarro.cur";
        StructureBuilder b(w);
        b.prompt(Prompt, {8, 6, 124, 12}, "Enter Last Check Number Used:");
        b.entry(Number, {30, 22, 76, 13}, "GLO:LastCheckNumber", "@s10");
        b.button(Ok, {44, 42, 48, 16}, "OK").isDefault = true;
        return w;
    }();
    return structure;
}

}  // namespace windows::last_check_number
