// BrowseLevels: "Browse the Levels File", the distributors with a level, in level order. Under
// the list stand the highlighted distributor's company code and ten level counts. The search
// by company code tags in TAG::Genealogy, which is emptied at every opening; "Sho&w Tagged"
// shows only the tagged distributors.

#include <string>

#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/tagging.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/level_order.h"
#include "genealogy/levels_list_window.h"
#include "records/mail.h"
#include "records/tag_file.h"

namespace {

using namespace windows::levels_list;
using namespace LevelsControl;

// The search form's "&Edit This" answer calls it again; a form that kept answering so without
// the user would otherwise hold the list for ever.
constexpr int kMostSearchRounds = 20;

class LevelsList : public BrowseProcedure {
  public:
    LevelsList() : BrowseProcedure(levelsWindow(), sheet(), {&TagFile}) {
        OnButton(Search, [this] { search(); });
        OnButton(Dial, [this] { callByName("DialPhoneNumbers"); });
        OnButton(ShowTagged, [this] { toggleShowTagged(); });
        OnButton(LevelsControl::PrintGenealogy, [this] { Call(&::PrintGenealogy); });
        OnButton(Help, [this] { callByName("HelpBrowse"); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s = LevelOrderSheet(
            List, Close, "(MAI:Level <> ' ')",
            {MAI::LEVEL.index(),     MAI::FIRSTNAME.index(),   MAI::LASTNAME.index(),
             MAI::SPONSOR.index(),   MAI::COMPANYNAME.index(), MAI::CITY.index(),
             MAI::STATE.index(),     MAI::ZIP.index(),         MAI::HOMEPHONE.index(),
             MAI::WORKPHONE.index(), MAI::TAB4.index(),        MAI::L10.index(),
             MAI::L9.index(),        MAI::L8.index(),          MAI::L7.index(),
             MAI::L6.index(),        MAI::L5.index(),          MAI::L4.index(),
             MAI::L3.index(),        MAI::L2.index(),          MAI::L1.index(),
             MAI::DATE.index()});
        s.tabs = Sheet;
        s.orderOfTab = [](int) { return 1; };
        return s;
    }

  protected:
    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        // Tags live for one visit of the list.
        NewTag_(TAG::Genealogy);
        window().setProp(ShowTagged, PROP::Text, "Sho&w Tagged");
        if (!FindProcedure("DialPhoneNumbers")) window().setProp(Dial, PROP::Disable, 1);
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
    }

    bool recordTaken() override {
        return !showTagged_ || GetTag_(TAG::Genealogy, static_cast<long>(MAIL.pointer())) != 0;
    }

    // The typed level locates the first distributor of that level.
    void locatorAssigned() override { StartOfLevel(); }

    bool takeEvent() override {
        if (window().event() == EVENT::Accepted && window().field() == LevelEntry) {
            locateLevel();
            return true;
        }
        return BrowseProcedure::takeEvent();
    }

  private:
    // The entry keeps showing the level located: it is the order's locator text from now on.
    void locateLevel() {
        const long level = MAI::LEVEL.integer();
        if (level == 0) return;
        setLocatorText(std::to_string(level));
        StartOfLevel();
        LocateRecord(Locate::ByKeyValue);
        window().select(List);
    }

    void callByName(const char* name) {
        if (ProcedureEntry p = FindProcedure(name)) Call(p);
    }

    // The search form is looked up by name, as the program registered it.
    void search() {
        ProcedureEntry form = FindProcedure("SearchCompanyID");
        if (!form) return;
        Call(form, REQ::Search);
        long response = GLO::Response;
        for (int round = 1; response == RESP::EditFound && round < kMostSearchRounds; ++round) {
            Call(form, REQ::Change);
            response = GLO::Response;
        }
        GLO::Response = 0;
        if (response == RESP::Completed) {
            LocateRecord(Locate::ExactRecord);
            window().select(List);
        } else if (response < 0 && !showTagged_) {
            // The search tagged or untagged: the list goes on with the tagged ones only.
            window().post(EVENT::Accepted, ShowTagged);
        } else {
            RefreshPage(Refill::KeepPage);
        }
    }

    void toggleShowTagged() {
        showTagged_ = !showTagged_;
        window().setProp(ShowTagged, PROP::Text, showTagged_ ? "Sho&w All" : "Sho&w Tagged");
        LocateRecord(Locate::ByKeyValue);
        window().select(List);
    }

    bool showTagged_ = false;
};

}  // namespace

void BrowseLevels() {
    LevelsList().run();
}
