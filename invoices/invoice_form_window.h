#pragma once
// The invoice form: the client, the invoice's choices, eight item lines, the totals.

#include "runtime/ui/window_structure.h"

namespace windows::invoice_form {

namespace InvoiceFormControl {
inline constexpr int Company = 2;
inline constexpr int FirstName = 7;
inline constexpr int LastName = 8;
inline constexpr int Address = 10;
inline constexpr int City = 12;
inline constexpr int State = 13;
inline constexpr int Zip = 14;
inline constexpr int InvoiceNumber = 15;
inline constexpr int OrderDate = 17;
inline constexpr int Taxable = 19;
inline constexpr int ShippingType = 21;
inline constexpr int Speed = 23;
inline constexpr int PaymentType = 25;
inline constexpr int CardNumber = 27;
inline constexpr int SubTotal = 85;
inline constexpr int Tax = 87;
inline constexpr int Shipping = 89;
inline constexpr int ShippingCalculator = 90;
inline constexpr int Total = 92;
inline constexpr int Paid = 94;
inline constexpr int Balance = 96;
inline constexpr int Cancel = 97;
inline constexpr int Ok = 99;
inline constexpr int Memo = 100;
inline constexpr int SelectClient = 101;
}  // namespace InvoiceFormControl

// The controls of item line n (1 to 8).
inline int lookupButton(int line) {
    return 35 + 6 * (line - 1);
}
inline int itemNumberEntry(int line) {
    return 36 + 6 * (line - 1);
}
inline int quantityEntry(int line) {
    return 38 + 6 * (line - 1);
}
inline int priceEntry(int line) {
    return 39 + 6 * (line - 1);
}
inline int lineTotalEntry(int line) {
    return 40 + 6 * (line - 1);
}
// The line whose price entry is `control`; 0 for any other control.
int lineOfPriceEntry(int control);

const rt::WindowStructure& invoiceFormWindow();

}  // namespace windows::invoice_form
