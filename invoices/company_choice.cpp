#include "invoices/company_choice.h"

#include "frame/globals.h"
#include "records/company.h"

namespace {

// A DECIMAL(11,0) telephone number as its digits, without separators or leading zeros.
std::string numberDigits(const rt::Field& field) {
    return field.number().truncated().toString();
}

}  // namespace

void TakeCompanyChoice() {
    GLO::CompanyName = COM::COMPANYNAME.text();
    GLO::CompanyAddress = COM::ADDRESS.text();
    GLO::CompanyCityStateZip = COM::CITYSTATEZIP.text();
    GLO::SalesTaxRate = COM::SALESTAX.number();
    GLO::CompanyPhone = numberDigits(COM::PHONE);
    GLO::CompanyFax = numberDigits(COM::FAX);
}
