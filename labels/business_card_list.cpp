// BrowsePrintBusinessCards: "Printing Menu", the cards in business-name or name order with
// their form, copying, the seven card styles, the return-address labels and clearing them all.
#include "frame/browse_engine.h"
#include "frame/procedure_registry.h"
#include "labels/business_card_list_window.h"
#include "labels/label_procedures.h"
#include "records/cards.h"

namespace {

using namespace windows::business_card_list;
using namespace CardListControl;

void openHelp() {
    if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
}

BrowseOrder incremental(int key) {
    return BrowseOrder::keyed(key, LocatorKind::Incremental, StopKind::Text);
}

void (*const kCardReports[])() = {&PrintCardStyle1, &PrintCardStyle2,         &PrintCardStyle3,
                                  &PrintCardStyle4, &PrintCardStyle5,         &PrintCardStyle6,
                                  &PrintCardStyle7, &PrintReturnAddressLabels};

class BusinessCardList : public BrowseProcedure {
  public:
    BusinessCardList() : BrowseProcedure(businessCardListWindow(), sheet()) {
        for (int n = 0; n < 8; ++n)
            OnButton(FirstStyle + n, [report = kCardReports[n]] { report(); });
        OnButton(ClearAll, [this] {
            // No question: the window closes once the process returns, however it ended.
            PostCloseWindow();
            view().close();
            ClearAllCards();
            ResetView();
        });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &CARDS;
        s.displayName = "Cards";
        s.list = List;
        s.tabs = Sheet;
        s.orders = {incremental(CAR::KEYBUSINESSNAME), incremental(CAR::KEYNAME)};
        s.columns = {CAR::BUSINESSNAME.index(), CAR::NAME.index(),   CAR::ADDRESS.index(),
                     CAR::CITYSTATEZIP.index(), CAR::PHONE.index(),  CAR::FAX.index(),
                     CAR::EMAIL.index(),        CAR::WEBSITE.index()};
        s.buttons.insert = Add;
        s.buttons.change = Change;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.buttons.copy = Copy;
        s.buttons.help = HowToPrint;
        s.help = openHelp;
        s.rowControls = {Change, Delete, Copy};
        s.updateForm = [] { UpdatePrintCards(); };
        s.popupText = "&Add|&Change|&Delete|-|Cop&y";
        s.popupTextEmpty = "&Add|~&Change|~&Delete|-|~Cop&y";
        s.popupButtons = {Add, Change, Delete, Copy};
        s.resizable = true;
        return s;
    }

  protected:
    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        if (!FindProcedure("HelpBrowse")) window().setProp(HowToPrint, PROP::Disable, 1);
    }
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void BrowsePrintBusinessCards() {
    BusinessCardList().run();
}
