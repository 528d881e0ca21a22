// The company choosers "Select Company Name For Return Address": SelectInvoiceCompany,
// SelectEnvelopeCompany and SelectShippingLabelCompany. The choice fills the company globals
// and runs the road's next step; the chooser returns when that step has returned.
#include <vector>

#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "invoices/company_choice.h"
#include "invoices/company_chooser_window.h"
#include "invoices/invoice_procedures.h"
#include "records/company.h"
#include "runtime/ui/keys.h"

namespace {

using namespace windows::company_chooser;

class CompanyChooser : public BrowseProcedure {
  public:
    explicit CompanyChooser(ChooserRoad road)
        : BrowseProcedure(companyChooserWindow(road), sheet(road, GLO::Request == REQ::Select)),
          road_(road),
          c_(chooserControls(road)) {
        OnButton(c_.choice, [this] { choose(); });
        OnButton(c_.add, [this] {
            // The road starts again from its beginning once the companies are kept.
            PostCloseWindow();
            Call(&BrowseCompanies);
            LOC.Response = RESP::Cancelled;
        });
    }

    static BrowseSheet sheet(ChooserRoad road, bool selecting) {
        const ChooserControls& c = chooserControls(road);
        BrowseSheet s;
        s.file = &COMPANY;
        s.displayName = "COMPANY";
        s.list = c.list;
        // The rate column comes from extraColumns: the rate with its five places.
        s.columns = {COM::COMPANYNAME.index(), COM::ADDRESS.index(), COM::CITYSTATEZIP.index(),
                     COM::PHONE.index(), COM::FAX.index()};
        s.buttons.change = c.open;
        s.buttons.remove = c.remove;
        s.buttons.close = c.close;
        s.rowControls = {c.remove};
        s.updateForm = [] { UpdateCompany(); };
        s.popupText = selecting ? "&Delete|-|&Press Here After Selection"
                                : "&Delete|-|~&Press Here After Selection";
        s.popupTextEmpty = "~&Delete|-|~&Press Here After Selection";
        s.popupButtons = {c.remove, c.choice};
        return s;
    }

  protected:
    // The rate the invoices use, not the four places of COM:SALESTAX.
    void extraColumns(std::vector<rt::Value>& row) override { row.emplace_back(CompanyTaxRate()); }

    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        if (!selectMode()) window().setProp(c_.choice, PROP::Disable, 1);
    }

    bool takeEvent() override {
        rt::Window& w = window();
        // A double click chooses the highlighted company (it opens nothing).
        if (w.event() == EVENT::AlertKey && w.field() == c_.list &&
            rt::keyCode() == KEY::LeftDoubleClick) {
            if (rowCount() > 0 && selectMode()) w.post(EVENT::Accepted, c_.choice);
            return true;
        }
        // The highlighted company goes into the globals as soon as the choice button takes the
        // focus, so that it stays chosen when the user then leaves through Close.
        if (w.event() == EVENT::Selected && w.field() == c_.choice) {
            ReadHighlightedRecord();  // the row holds no exact rate; the record does
            TakeCompanyChoice();
            w.display();
        }
        return BrowseProcedure::takeEvent();
    }

  private:
    void choose() {
        ReadHighlightedRecord();
        TakeCompanyChoice();
        // The envelope and shipping-label reports may not be part of the program yet: the
        // choice then ends with the globals set.
        if (ProcedureEntry next = FindProcedure(nextStep(road_))) Call(next);
        LOC.Response = RESP::Completed;
        PostCloseWindow();
    }

    ChooserRoad road_;
    const ChooserControls& c_;
};

// Closing a chooser through Close or the close box answers RESP::Cancelled; only the choice
// completes it.
void runChooser(ChooserRoad road) {
    CompanyChooser(road).run();
}

}  // namespace

void SelectInvoiceCompany() {
    runChooser(ChooserRoad::Invoices);
}

void SelectEnvelopeCompany() {
    runChooser(ChooserRoad::Envelopes);
}

void SelectShippingLabelCompany() {
    runChooser(ChooserRoad::ShippingLabel);
}
