#include "checks/starting_check_number_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::starting_check_number {

const rt::WindowStructure& startingCheckNumberWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace StartingNumberControl;
        rt::WindowStructure w;
        w.module = "Tovik093";
        w.label = "EnterStartingCheckNumber";
        w.title = "";
        w.at = {0, 0, 200, 50};
        w.centered = true;
        w.systemMenu = false;
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.prompt(Prompt, {8, 10, 106, 10}, "Enter Starting Check Number:");
        b.entry(Number, {116, 9, 60, 11}, "LOC:StartingNumber", "@s10");
        b.button(Continue, {44, 30, 50, 14}, "Continue").isDefault = true;
        b.button(Cancel, {104, 30, 50, 14}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::starting_check_number
