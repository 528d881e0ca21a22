#include "frame/search_by_example_windows.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::search_by_example {

namespace {

constexpr const char* kTypeTexts[] = {
    "&Ignore this field",
    "&Equals this",
    "&Does not equal this",
    "&More than this",
    "&Less than this",
    "More than or e&qual to this",
    "Less than or equ&al to this",
    "I&nside range starting with this",
    "&Outside range starting with this",
    "&Begins with this",
    "Ends &with this",
    "&Contains this",
    "Does no&t contain this",
    "In this mont&h of each year",
    "On this da&y of each month",
    "In this yea&r",
    "On this month + day",
    "In this year + month",
};

}  // namespace

const rt::WindowStructure& matchTypeWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace MatchTypeControl;
        rt::WindowStructure w;
        w.module = "S_QBE";
        w.label = "P1$WINDOW";
        w.title = "Match Type";
        w.at = {0, 0, 190, 214};
        w.centered = true;
        w.systemMenu = false;
        w.font = {"MS Sans Serif", 8};
        StructureBuilder b(w);
        rt::ControlStructure& group = b.add(Group, rt::ControlKind::Option, {6, 4, 130, 204});
        group.tip = "Select match type";
        for (int t = 0; t < 18; ++t)
            b.add(FirstRadio + t, rt::ControlKind::Radio, {12, 14 + 11 * t, 120, 10}, kTypeTexts[t],
                  Group);
        b.button(Ok, {142, 8, 42, 14}, "OK").isDefault = true;
        b.button(Cancel, {142, 26, 42, 14}, "Cancel").key = KEY::Esc;
        return w;
    }();
    return structure;
}

const rt::WindowStructure& upperLimitWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace UpperLimitControl;
        rt::WindowStructure w;
        w.module = "S_QBE";
        w.label = "P21$WINDOW";
        w.title = "Enter Upper Limit";
        w.at = {0, 0, 200, 62};
        w.centered = true;
        w.systemMenu = false;
        w.font = {"MS Sans Serif", 8};
        StructureBuilder b(w);
        b.prompt(LowerPrompt, {6, 8, 50, 10}, "&Lower Limit:");
        b.entry(Lower, {58, 7, 136, 11}, "LOC:LowerLimit", "").disabled = true;
        b.prompt(UpperPrompt, {6, 24, 50, 10}, "&Upper Limit:");
        b.entry(Upper, {58, 23, 136, 11}, "LOC:UpperLimit", "");
        b.button(Ok, {104, 42, 42, 14}, "&OK").isDefault = true;
        b.button(Cancel, {152, 42, 42, 14}, "&Cancel");
        return w;
    }();
    return structure;
}

const rt::WindowStructure& beginSearchWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace BeginSearchControl;
        rt::WindowStructure w;
        w.module = "S_QBE";
        w.label = "P14$WINDOW";
        w.title = "Begin Search";
        w.at = {0, 0, 214, 58};
        w.centered = true;
        w.systemMenu = false;
        w.font = {"MS Sans Serif", 8};
        StructureBuilder b(w);
        b.add(Icon, rt::ControlKind::Image, {8, 8, 20, 20}).icon = "32514";
        b.add(Question, rt::ControlKind::String, {36, 12, 160, 10}, "What do you want to do?");
        b.button(Edit, {8, 36, 46, 14}, "&Edit");
        b.button(Select, {60, 36, 46, 14}, "&Select");
        b.button(Unselect, {112, 36, 46, 14}, "&Unselect");
        b.button(Cancel, {164, 36, 46, 14}, "&Cancel").key = KEY::Esc;
        return w;
    }();
    return structure;
}

}  // namespace windows::search_by_example
