#include "data_exchange/import_assigner_window.h"

#include <map>
#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::import_assigner {

namespace {

bool showsLineNumber(std::string_view module) {
    return module != "Tovik043";
}

rt::WindowStructure makeAssigner(std::string_view module) {
    const ImportAssignerControls c = importAssignerControls(module);
    rt::WindowStructure w =
        makeWindow(std::string(module), "P1$WINDOW", "Assign fields for Import...", 328, 152,
                   rt::Font{"Arial", 8});
    w.centered = false;
    StructureBuilder b(w);
    rt::ControlStructure& columns = b.add(c.columns, rt::ControlKind::List, {4, 7, 178, 110});
    columns.format =
        "42L(1)|M~Import Field~S(75)@s50@40L(1)|M~Picture~S(45)@s30@150L(1)~Value~S(300)@s255@";
    columns.verticalScroll = true;
    rt::ControlStructure& targets = b.add(c.targets, rt::ControlKind::List, {186, 7, 138, 110});
    // The target column holds the longest field name ("CHE:CkCityStateAddress"), and the three
    // columns fit beside the scroll bar, so the list never scrolls sideways over its last row.
    targets.format = "80L(1)M~Target Field~S(75)@s50@8C~=~@s1@38L(1)~Import Field~S(75)@s50@";
    targets.verticalScroll = true;
    b.button(c.next, {4, 121, 36, 12}, "&Next");
    if (showsLineNumber(module)) {
        b.add(4, rt::ControlKind::String, {44, 122, 18, 10}, "Rec#");
        rt::ControlStructure& line =
            b.add(c.lineNumber, rt::ControlKind::String, {63, 122, 20, 10});
        line.use = "LOC:LineNumber";
        line.picture = "@s4";
    }
    b.button(c.picture, {84, 121, 36, 12}, "&Picture");
    b.button(c.assign, {4, 137, 36, 12}, "&Assign");
    b.button(c.automatic, {44, 137, 36, 12}, "A&uto").hidden = true;
    b.button(c.unassign, {84, 137, 36, 12}, "&Unassign");
    // The check box's text needs the room from the "&Picture" button to the right edge.
    rt::ControlStructure& strip = b.add(c.stripHeader, rt::ControlKind::Check, {128, 122, 196, 10},
                                        "Strip &header record (field names)");
    strip.use = "LOC:StripHeader";
    strip.falseValue = "0";
    b.button(c.ok, {208, 137, 36, 12}, "&OK").isDefault = true;
    b.button(c.cancel, {248, 137, 36, 12}, "&Cancel");
    b.button(c.help, {288, 137, 36, 12}, "Help");
    return w;
}

}  // namespace

ImportAssignerControls importAssignerControls(std::string_view module) {
    ImportAssignerControls c;
    if (showsLineNumber(module)) return c;
    c.lineNumber = 0;
    c.picture = 4;
    c.assign = 5;
    c.automatic = 6;
    c.unassign = 7;
    c.stripHeader = 8;
    c.ok = 9;
    c.cancel = 10;
    c.help = 11;
    return c;
}

const rt::WindowStructure& importAssignerWindow(std::string_view module) {
    static std::map<std::string, rt::WindowStructure, std::less<>> structures;
    auto it = structures.find(module);
    if (it == structures.end())
        it = structures.emplace(std::string(module), makeAssigner(module)).first;
    return it->second;
}

}  // namespace windows::import_assigner
