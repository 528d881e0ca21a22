// BrowseCheckRegister: the printed checks. Tags of TAG::CheckRegister start empty at every
// opening; from them the checks are reprinted and the register report printed.

#include <vector>

#include "checks/check_procedures.h"
#include "checks/check_register_window.h"
#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/plf.h"
#include "records/tag_file.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::check_register;
using namespace RegisterControl;

const rt::Field* const kShown[] = {&CHE::FIRSTNAME,   &CHE::LASTNAME, &CHE::CHECKDATE,
                                   &CHE::CHECKNUMBER, &CHE::AMOUNT,   &CHE::COMPANYNAME,
                                   &CHE::CITY,        &CHE::STATE,    &CHE::ZIP};

class CheckRegister : public BrowseProcedure {
  public:
    CheckRegister() : BrowseProcedure(checkRegisterWindow(), sheet(), {&TagFile, &PLF}) {
        OnButton(Reprint, [this] { Call(&SelectCheckStyleReprint); });
        OnButton(PrintReport, [this] { Call(&PrintCheckRegister); });
        OnButton(NextTag, [this] { GoToNextTagged(TAG::CheckRegister, true); });
        OnButton(PrevTag, [this] { GoToNextTagged(TAG::CheckRegister, false); });
        OnButton(Search, [this] { search(); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.list = List;
        s.tabs = Sheet;
        const int keys[] = {CHE::KEYFIRSTNAME, CHE::KEYLASTNAME,    CHE::KEYCHECKID,
                            CHE::KEYCHECKDATE, CHE::KEYCHECKNUMBER, CHE::KEYCOMPANYNAME};
        for (int i = 0; i < 6; ++i) {
            const bool number = keys[i] == CHE::KEYCHECKID || keys[i] == CHE::KEYCHECKDATE;
            BrowseOrder o = BrowseOrder::keyed(keys[i], LocatorKind::Entry,
                                               number ? StopKind::Number : StopKind::Text,
                                               "(UPPER(che:Done) = 'Y')");
            o.entryControl = FirstLocator + i;
            s.orders.push_back(o);
        }
        s.quickScanFills = true;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.buttons.help = Help;
        s.help = [] {
            if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
        };
        s.rowControls = {Open, Delete};
        s.updateForm = [] { UpdateCheck(); };
        s.popupText = "&Open|&Delete";
        s.popupTextEmpty = "~&Open|~&Delete";
        s.popupButtons = {Open, Delete};
        s.tagging.table = TAG::CheckRegister;
        s.tagging.valueField = CHE::FIRSTNAME.index();
        s.tagging.iconColumn = true;
        s.tagging.tag = Tag;
        s.tagging.untag = Untag;
        s.tagging.tagAll = TagAll;
        s.tagging.untagAll = UntagAll;
        s.tagging.showTagged = ShowTagged;
        s.tagging.showAllText = "Sho&w All";
        s.tagging.showTaggedText = "Sho&w Tagged";
        return s;
    }

  protected:
    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        window().setListIcon(List, 1, "~check.ico");
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
        NewTag_(TAG::CheckRegister);
    }

    void extraColumns(std::vector<rt::Value>& row) override {
        for (const rt::Field* f : kShown)
            row.push_back(f->value());
    }

    void finishing() override {
        BrowseProcedure::finishing();
        LOC.Response = RESP::Cancelled;
    }

  private:
    void search() {
        long request = REQ::Search;
        for (;;) {
            Call(&SearchChecks, request);
            const long response = GLO::Response;
            GLO::Response = 0;
            if (response == RESP::EditFound) {
                request = REQ::Change;
                continue;
            }
            if (response == RESP::Completed) {
                LocateRecord(Locate::ExactRecord);
            } else if (response < 0) {
                if (!showingTaggedOnly())
                    window().post(EVENT::Accepted, ShowTagged);
                else
                    LOC.RefreshPending = 1;
            } else {
                RefreshPage(Refill::KeepPage);
            }
            break;
        }
        Refresh();
    }
};

}  // namespace

void BrowseCheckRegister() {
    CheckRegister().run();
}
