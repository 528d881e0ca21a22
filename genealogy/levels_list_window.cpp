#include "genealogy/levels_list_window.h"

#include <string>

#include "genealogy/level_order.h"
#include "runtime/ui/structure_builder.h"

namespace windows::levels_list {

const rt::WindowStructure& levelsWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace LevelsControl;
        rt::WindowStructure w = GenealogyListFrame("Tovik163", "Browse the Levels File", 375, 191);
        w.cursor = "3dsarro.cur";
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 2, 367, 166});
        b.add(LevelsTab, rt::ControlKind::Tab, {}, "Levels", Sheet);
        b.prompt(LevelPrompt, {10, 20, 46, 10}, "Enter Level:", LevelsTab);
        b.entry(LevelEntry, {58, 19, 20, 11}, "MAI:LEVEL", "@n2", LevelsTab);
        rt::ControlStructure& list = b.add(List, rt::ControlKind::List, {8, 34, 359, 92});
        list.format =
            "24R(2)|M~Level~L(2)@n2@"
            "60L(2)|M~First Name~@s15@"
            "60L(2)|M~Last Name~@s15@"
            "80L(2)|M~Sponsor~@s20@"
            "100L(2)|M~Company Name~@s30@"
            "60L(2)|M~City~@s15@"
            "20L(2)|M~State~@s2@"
            "44L(2)|M~Zip~@s12@"
            "60R(2)|M~Home Phone~@P(###)-###-####P@"
            "60R(2)|M~Work Phone~@P(###)-###-####P@";
        list.tip = "Browsing Records";
        list.listFlags = 0x800;
        list.verticalScroll = true;
        b.add(CompanyIdCaption, rt::ControlKind::String, {10, 130, 84, 10}, "Networking Company ID",
              LevelsTab);
        b.add(CompanyId, rt::ControlKind::String, {96, 130, 90, 10}, {}, LevelsTab).use =
            "MAI:TAB4";
        b.add(CountsCaption, rt::ControlKind::String, {10, 142, 84, 10}, "Number On Each Level",
              LevelsTab);
        // The level numbers stand over their counts, left to right from level 1.
        for (int level = 1; level <= 10; ++level) {
            const int x = 96 + (level - 1) * 24;
            b.add(FirstLevelNumber + level - 1, rt::ControlKind::String, {x, 142, 22, 10},
                  std::to_string(level), LevelsTab)
                .align = rt::Align::Right;
            rt::ControlStructure& count = b.add(FirstCount + level - 1, rt::ControlKind::String,
                                                {x, 153, 22, 10}, {}, LevelsTab);
            count.use = "MAI:L" + std::to_string(level);
            count.picture = "@n5";
            count.align = rt::Align::Right;
        }
        rt::ControlStructure& decoration = b.add(GenealogyCaption, rt::ControlKind::String,
                                                 {200, 128, 80, 12}, "Genealogy", LevelsTab);
        decoration.font = {"Times New Roman", 12, true, true, 0x0000FF};

        rt::ControlStructure& search = b.button(Search, {4, 172, 44, 14}, "&Search");
        search.tip = "Ad Hoc Search";
        rt::ControlStructure& dial = b.button(Dial, {52, 172, 22, 14}, "");
        dial.icon = "PHONE10.ICO";
        dial.tip = "Dial Phone";
        b.button(ShowTagged, {78, 172, 56, 14}, "Sho&w Tagged").tip =
            "Show \"All\" or \"Only Tagged\" items?";
        b.button(PrintGenealogy, {138, 172, 64, 14}, "Print Genealogy");
        b.button(Help, {206, 172, 40, 14}, "Help");
        b.button(Close, {327, 172, 44, 14}, "Close");
        const std::pair<int, const char*> hidden[] = {{Insert, "&Insert"},
                                                      {Change, "&Change"},
                                                      {Delete, "&Delete"},
                                                      {TagAll, "Tag &All"},
                                                      {UntagAll, "Unta&g All"}};
        for (const auto& [number, text] : hidden) {
            rt::ControlStructure& c = b.button(number, {244, 172, 40, 14}, text);
            c.hidden = true;
            c.disabled = number == Insert || number == Change || number == Delete;
        }
        return w;
    }();
    return structure;
}

}  // namespace windows::levels_list
