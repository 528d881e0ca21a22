#pragma once
// The choice of an own company: the highlighted company in the COMPANY buffer becomes the
// seller and return address of the invoices, envelopes and shipping labels.

// Copies name, address, city-state-zip, phone and fax (as plain digits) and the sales-tax
// rate into the company globals. The rate keeps all four places of COM:SALESTAX, so that
// 0.0825 taxes at 8.25 %.
void TakeCompanyChoice();
