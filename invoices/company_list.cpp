// BrowseCompanies: "Add Your Company Name", the own companies in the file's record order.
#include "frame/browse_engine.h"
#include "invoices/company_list_window.h"
#include "invoices/invoice_procedures.h"
#include "records/company.h"

namespace {

using namespace windows::company_list;
using namespace CompanyListControl;

class CompanyList : public BrowseProcedure {
  public:
    CompanyList() : BrowseProcedure(companyListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &COMPANY;
        s.displayName = "COMPANY";
        s.list = List;
        s.columns = {COM::COMPANYNAME.index()};
        s.buttons.insert = Add;
        s.buttons.change = Open;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.rowControls = {Open, Delete};
        s.updateForm = [] { UpdateCompany(); };
        s.popupText = "Add|&Open|&Delete";
        s.popupTextEmpty = "Add|~&Open|~&Delete";
        s.popupButtons = {Add, Open, Delete};
        return s;
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void BrowseCompanies() {
    CompanyList().run();
}
