// PostChecksToPrint: the checks entered and not yet printed, with their total. The tags of
// TAG::ChecksToPrint start empty at every opening.

#include <vector>

#include "checks/check_amounts.h"
#include "checks/check_claims.h"
#include "checks/check_procedures.h"
#include "checks/checks_to_print_window.h"
#include "frame/browse_engine.h"
#include "frame/procedure_registry.h"
#include "frame/tagging.h"
#include "frame/warnings.h"
#include "records/checks.h"
#include "records/plf.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "runtime/ui/binding.h"

namespace {

using namespace windows::checks_to_print;
using namespace ChecksToPrintControl;

// A mark typed in lower case counts as printed too.
constexpr const char* kUnprinted = "(UPPER(Che:Done) <> 'Y')";

const rt::Field* const kShown[] = {&CHE::FIRSTNAME, &CHE::LASTNAME,    &CHE::COMPANYNAME,
                                   &CHE::AMOUNT,    &CHE::CHECKNUMBER, &CHE::STATE,
                                   &CHE::ZIP,       &CHE::CITY};

class ChecksToPrint : public BrowseProcedure {
  public:
    ChecksToPrint() : BrowseProcedure(checksToPrintWindow(), sheet(this), {&TagFile, &PLF}) {
        OnButton(PrintTagged, [this] { Call(&SelectCheckStyleTagged); });
        OnButton(PrintAll, [this] { Call(&SelectCheckStyleAll); });
    }

    static BrowseSheet sheet(ChecksToPrint* list) {
        BrowseSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.list = List;
        s.tabs = Sheet;
        const int keys[] = {CHE::KEYFIRSTNAME, CHE::KEYLASTNAME, CHE::KEYCOMPANYNAME,
                            CHE::KEYCITY,      CHE::KEYSTATE,    CHE::KEYCHECKNUMBER};
        for (int i = 0; i < 6; ++i) {
            const bool entry = FirstTab + i != FirstTab + kIdTab - 1;
            BrowseOrder o =
                BrowseOrder::keyed(keys[i], entry ? LocatorKind::Entry : LocatorKind::Incremental,
                                   StopKind::None, kUnprinted);
            if (entry) o.entryControl = FirstLocator + i;
            s.orders.push_back(o);
        }
        s.quickScanFills = true;
        s.buttons.insert = Add;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.buttons.help = Help;
        s.help = [] {
            if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
        };
        s.rowControls = {Open, Delete};
        s.updateForm = [list] {
            UpdateCheck();
            list->totalPending_ = true;
        };
        s.popupText = "&Add|&Open|&Delete";
        s.popupTextEmpty = "&Add|~&Open|~&Delete";
        s.popupButtons = {Add, Open, Delete};
        s.tagging.table = TAG::ChecksToPrint;
        s.tagging.valueField = CHE::FIRSTNAME.index();
        s.tagging.iconColumn = true;
        s.tagging.tag = Tag;
        s.tagging.untag = Untag;
        s.tagging.tagAll = TagAll;
        s.tagging.untagAll = UntagAll;
        return s;
    }

    const rt::Decimal& total() const { return total_; }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "LOC:Total") return nullptr;
        return rt::bindFunctions(
            "LOC:Total", [this] { return rt::Value(total_); }, [](const rt::Value&) {});
    }

    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        window().setListIcon(List, 1, "~check.ico");
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
        // Every visit starts with no check tagged, and with no check held by a print run
        // that ended without finishing.
        NewTag_(TAG::ChecksToPrint);
        PutBackAbandonedCheckClaims();
    }

    void firstRefreshWindow() override {
        BrowseProcedure::firstRefreshWindow();
        computeTotal();
    }
    void refreshWindow() override {
        BrowseProcedure::refreshWindow();
        computeTotal();
    }

    bool takeEvent() override {
        const bool consumed = BrowseProcedure::takeEvent();
        if (totalPending_) computeTotal();
        return consumed;
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
    // The sum of the listed amounts, read through a view of its own so that the list's
    // place and the record buffer stay as they are.
    void computeTotal() {
        totalPending_ = false;
        if (readFailed()) return;
        const std::optional<rt::Decimal> sum = SumCheckAmounts(kUnprinted);
        if (!sum) {
            ShowWarningText(WARN::RecordRetrievalError, "Checks");
            PostCloseWindow();
            return;
        }
        total_ = *sum;
        window().display(Total);
    }

    rt::Decimal total_{0};
    bool totalPending_ = false;
};

}  // namespace

void PostChecksToPrint() {
    ChecksToPrint().run();
}
