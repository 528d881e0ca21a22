#pragma once
// The choice of an own company: the highlighted company in the COMPANY buffer becomes the
// seller and return address of the invoices, envelopes and shipping labels.

#include <string>
#include <string_view>

#include "runtime/text/decimal.h"

// Copies name, address, city-state-zip, phone and fax (as plain digits) and the sales-tax
// rate (CompanyTaxRate) into the company globals.
void TakeCompanyChoice();

// The sales-tax rate of the company in the COMPANY buffer, with its five places (8.875 % is
// 0.08875). COM:SALESTAX keeps four places; the exact rate is kept beside it as text in
// COM:X5, so that files written before keep their layout. A rate in COM:X5 that does not
// round to COM:SALESTAX (a record from before, or changed elsewhere) gives way to it.
rt::Decimal CompanyTaxRate();
// Stores a rate of at most five places from 0 to .99999 into the buffer; false, with
// nothing stored, for any other.
bool SetCompanyTaxRate(const rt::Decimal& rate);
// The message that refuses a typed rate: the form the rate takes, and for a percentage
// ("8.875", "6.5%") the fraction it stands for.
std::string SalesTaxRefusal(std::string_view typed);
