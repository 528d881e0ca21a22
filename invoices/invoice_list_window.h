#pragma once
// "Browse Invoice Records": the invoices in six orders, with tags and the invoice reports.

#include "runtime/ui/window_structure.h"

namespace windows::invoice_list {

namespace InvoiceListControl {
inline constexpr int Sheet = 1;
inline constexpr int FirstNameTab = 37;
inline constexpr int FirstName = 3;
inline constexpr int LastNameTab = 5;
inline constexpr int LastName = 7;
inline constexpr int CompanyTab = 38;
inline constexpr int Company = 10;
inline constexpr int OrderDateTab = 39;
inline constexpr int OrderDate = 13;
inline constexpr int UnprintedTab = 15;
inline constexpr int WithBalanceTab = 17;
inline constexpr int ButtonFrame = 18;
inline constexpr int CompanyNames = 19;
inline constexpr int InventoryFile = 20;
inline constexpr int PrintTaggedInvoice = 21;
inline constexpr int List = 22;
inline constexpr int PrintTaggedReport = 23;
inline constexpr int PrintShippingLabels = 24;
inline constexpr int PrintUnprinted = 25;
inline constexpr int Add = 26;
inline constexpr int Open = 27;
inline constexpr int TagAll = 28;
inline constexpr int UntagAll = 29;
inline constexpr int NextTag = 30;
inline constexpr int Delete = 31;
inline constexpr int Close = 32;
inline constexpr int ShowTagged = 33;
inline constexpr int Tag = 34;
inline constexpr int Untag = 35;
inline constexpr int PreviousTag = 36;
}  // namespace InvoiceListControl

const rt::WindowStructure& invoiceListWindow();

}  // namespace windows::invoice_list
