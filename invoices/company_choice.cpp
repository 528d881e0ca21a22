#include "invoices/company_choice.h"

#include <algorithm>
#include <optional>

#include "frame/globals.h"
#include "records/company.h"
#include "runtime/text/fixed_text.h"

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
    GLO::SalesTaxRate = CompanyTaxRate();
    GLO::CompanyPhone = numberDigits(COM::PHONE);
    GLO::CompanyFax = numberDigits(COM::FAX);
}

namespace {
constexpr int kRatePlaces = 5;
}

rt::Decimal CompanyTaxRate() {
    const rt::Decimal stored = COM::SALESTAX.number();
    const std::optional<rt::Decimal> exact = rt::Decimal::parse(rt::clip(COM::X5.text()));
    if (exact && exact->rounded(kRatePlaces) == *exact && exact->rounded(4) == stored)
        return *exact;
    return stored;
}

bool SetCompanyTaxRate(const rt::Decimal& rate) {
    if (rate.isNegative() || rate.rounded(kRatePlaces) != rate || rate >= rt::Decimal(1))
        return false;
    if (!COM::SALESTAX.setNumber(rate.rounded(4))) return false;
    COM::X5.setText(rate.rounded(kRatePlaces).toString());
    return true;
}

std::string SalesTaxRefusal(std::string_view typed) {
    const std::string rule =
        "Type the sales tax as a fraction with at most five places: .08875 for 8.875 %.";
    std::string_view text = rt::clip(typed);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (!text.empty() && text.back() == '%') text = rt::clip(text.substr(0, text.size() - 1));
    const std::optional<rt::Decimal> percent = rt::Decimal::parse(text);
    if (!percent || *percent < rt::Decimal(1) || *percent >= rt::Decimal(100)) return rule;
    const rt::Decimal rate = rt::Decimal::divide(*percent, 100, kRatePlaces + 2);
    if (rate.rounded(kRatePlaces) != rate) return rule;
    const std::string fraction = rate.rounded(kRatePlaces).toString();  // "0.08875"
    return std::string(text) + " is a percentage. " + rule.substr(0, rule.find(':')) + ": " +
           fraction.substr(1) + " for " + std::string(text) + " %.";
}
