// BrowseMonthlyDrafts: the monthly drafts. The first tab lists the drafts still to run; the
// tagged ones are printed with consecutive check numbers and listed in the draft register.
// The tags of TAG::MonthlyDrafts start empty at every opening and outlive the list.

#include <vector>

#include "checks/check_amounts.h"
#include "checks/check_claims.h"
#include "checks/check_procedures.h"
#include "checks/monthly_drafts_window.h"
#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/tagging.h"
#include "frame/warnings.h"
#include "records/checks.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::monthly_drafts;
using namespace DraftsControl;

const rt::Field* const kShown[] = {
    &CHE::FIRSTNAME, &CHE::LASTNAME,    &CHE::X1,   &CHE::CHECKDATE, &CHE::CHECKNUMBER,
    &CHE::AMOUNT,    &CHE::COMPANYNAME, &CHE::CITY, &CHE::STATE,     &CHE::ZIP};

class MonthlyDrafts : public BrowseProcedure {
  public:
    MonthlyDrafts() : BrowseProcedure(monthlyDraftsWindow(), sheet(this), {&TagFile}) {
        OnButton(PrintChecks, [this] {
            Call(&EnterStartingCheckNumber);
            totalPending_ = true;
        });
        OnButton(PrintReport, [this] { Call(&PrintDraftRegister); });
        OnButton(NextTag, [this] { GoToNextTagged(TAG::MonthlyDrafts, true); });
        OnButton(PrevTag, [this] { GoToNextTagged(TAG::MonthlyDrafts, false); });
        OnButton(Search, [this] { search(); });
    }

    static BrowseSheet sheet(MonthlyDrafts* list) {
        BrowseSheet s;
        s.file = &CHECKS;
        s.displayName = "Checks";
        s.list = List;
        s.tabs = Sheet;
        const int keys[] = {CHE::KEYFIRSTNAME, CHE::KEYLASTNAME,    CHE::KEYCHECKID,
                            CHE::KEYCHECKDATE, CHE::KEYCHECKNUMBER, CHE::KEYCOMPANYNAME};
        for (int i = 0; i < 6; ++i) {
            const bool number = keys[i] == CHE::KEYCHECKID || keys[i] == CHE::KEYCHECKDATE;
            // Only the first tab is limited to the drafts still to run.
            BrowseOrder o = BrowseOrder::keyed(keys[i], LocatorKind::Entry,
                                               number ? StopKind::Number : StopKind::Text,
                                               i == 0 ? "(Che:x2 > 0)" : "");
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
        s.updateForm = [list] {
            UpdateMonthlyDraft();
            list->totalPending_ = true;
        };
        s.popupText = "&Open|&Delete";
        s.popupTextEmpty = "~&Open|~&Delete";
        s.popupButtons = {Open, Delete};
        s.tagging.table = TAG::MonthlyDrafts;
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
        NewTag_(TAG::MonthlyDrafts);
        // Drafts still held by a draft run that ended without finishing are put back.
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
        // A change of tab refills the list from another order: the total follows it.
        if (totalPending_ || sortOrder() != totalledOrder_) computeTotal();
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
    // The sum of the amounts the list shows in its current order (only the tagged ones while
    // only tagged show), read through a view of its own so the list's place stays.
    void computeTotal() {
        totalPending_ = false;
        totalledOrder_ = sortOrder();
        if (readFailed()) return;
        const std::optional<rt::Decimal> sum = SumCheckAmounts(order().filter, [this] {
            return !showingTaggedOnly() ||
                   GetTag_(TAG::MonthlyDrafts, static_cast<long>(CHECKS.pointer())) != 0;
        });
        if (!sum) {
            ShowWarningText(WARN::RecordRetrievalError, "Checks");
            PostCloseWindow();
            return;
        }
        total_ = *sum;
        window().display(Total);
    }

    void search() {
        long request = REQ::Search;
        for (;;) {
            Call(&SearchMonthlyDrafts, request);
            const long response = GLO::Response;
            GLO::Response = 0;
            if (response == RESP::EditFound) {
                request = REQ::Change;
                continue;
            }
            if (response == RESP::Completed) {
                LocateRecord(Locate::ExactRecord);
                totalPending_ = true;
            } else if (response < 0) {
                if (!showingTaggedOnly())
                    window().post(EVENT::Accepted, ShowTagged);
                else
                    LOC.RefreshPending = 1;
            } else {
                RefreshPage(Refill::KeepPage);
                totalPending_ = true;
            }
            break;
        }
        Refresh();
    }

    rt::Decimal total_{0};
    bool totalPending_ = false;
    int totalledOrder_ = 0;
};

}  // namespace

void BrowseMonthlyDrafts() {
    MonthlyDrafts().run();
}
