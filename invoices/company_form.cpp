// UpdateCompany: "Enter Your Company Name", one own company with its sales-tax rate.
#include "frame/form_engine.h"
#include "invoices/company_choice.h"
#include "invoices/company_form_window.h"
#include "invoices/invoice_procedures.h"
#include "records/company.h"
#include "runtime/ui/binding.h"

namespace {

using namespace windows::company_form;

class CompanyForm : public FormProcedure {
  public:
    CompanyForm() : FormProcedure(companyFormWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &COMPANY;
        s.displayName = "COMPANY";
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.conflictFlag = 0;
        s.okButton = CompanyFormControl::Ok;
        s.cancelButton = CompanyFormControl::Cancel;
        s.firstField = CompanyFormControl::CompanyName;
        return s;
    }

  protected:
    // A rate the entry cannot take is refused with a word on the form it takes, so that a
    // rate typed as a percentage is never left at the rate shown before without a word.
    std::string refusalOf(int control, const std::string& typed) override {
        return control == CompanyFormControl::SalesTax ? SalesTaxRefusal(typed) : std::string();
    }

    // The rate entry shows and takes all five places of the rate.
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "COM:SALESTAX") return nullptr;
        return rt::bindRefusingFunctions(
            "COM:SALESTAX", [] { return rt::Value(CompanyTaxRate()); },
            [](const rt::Value& v) { return SetCompanyTaxRate(v.asNumber()); });
    }
};

}  // namespace

void UpdateCompany() {
    CompanyForm().run();
}
