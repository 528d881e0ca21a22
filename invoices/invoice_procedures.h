#pragma once
// Invoices: own companies and their choosers, the inventory and its item selectors, the
// invoice list and form, the invoice documents, the summary report and the shipping labels.

// "Add Your Company Name": the user's own companies, added, changed and deleted.
void BrowseCompanies();
// "Enter Your Company Name": adds, changes or deletes one company.
void UpdateCompany();
// The three company choosers (REQ::Select): the choice fills the company globals and runs the
// next step (the invoice list, the envelopes, the shipping label).
void SelectInvoiceCompany();
void SelectEnvelopeCompany();
void SelectShippingLabelCompany();

// "Browse the INVENTORY File": the inventory, with UpdateINVENTOR as its form.
void InventoryFileBrowse();
void UpdateINVENTOR();
// The item selectors of the invoice lines 1 to 8 (REQ::Select).
void LookUp1();
void LookUp2();
void LookUp3();
void LookUp4();
void LookUp5();
void LookUp6();
void LookUp7();
void LookUp8();

// "Browse Invoice Records": six orders, tags in TAG::Invoices, the reports.
void BrowseInvoices();
// The invoice form and its memo window.
void UpdateInvoice();
void UpdateInvoiceMemo();

// The invoice documents, the summary report and the shipping labels.
void PrintTaggedInvoices();
void PrintUnprintedInvoices();
void PrintInvoiceReport();
void PrintInvoiceShippingLabels();

// Registers the procedures above by name.
void RegisterInvoiceProcedures();
