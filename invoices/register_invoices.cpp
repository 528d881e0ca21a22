#include "frame/procedure_registry.h"
#include "invoices/invoice_procedures.h"

void RegisterInvoiceProcedures() {
    RegisterProcedure("BrowseCompanies", &BrowseCompanies);
    RegisterProcedure("UpdateCompany", &UpdateCompany);
    RegisterProcedure("SelectInvoiceCompany", &SelectInvoiceCompany);
    RegisterProcedure("SelectEnvelopeCompany", &SelectEnvelopeCompany);
    RegisterProcedure("SelectShippingLabelCompany", &SelectShippingLabelCompany);
    RegisterProcedure("InventoryFileBrowse", &InventoryFileBrowse);
    RegisterProcedure("UpdateINVENTOR", &UpdateINVENTOR);
    RegisterProcedure("LookUp1", &LookUp1);
    RegisterProcedure("LookUp2", &LookUp2);
    RegisterProcedure("LookUp3", &LookUp3);
    RegisterProcedure("LookUp4", &LookUp4);
    RegisterProcedure("LookUp5", &LookUp5);
    RegisterProcedure("LookUp6", &LookUp6);
    RegisterProcedure("LookUp7", &LookUp7);
    RegisterProcedure("LookUp8", &LookUp8);
    RegisterProcedure("BrowseInvoices", &BrowseInvoices);
    RegisterProcedure("UpdateInvoice", &UpdateInvoice);
    RegisterProcedure("UpdateInvoiceMemo", &UpdateInvoiceMemo);
    RegisterProcedure("PrintTaggedInvoices", &PrintTaggedInvoices);
    RegisterProcedure("PrintUnprintedInvoices", &PrintUnprintedInvoices);
    RegisterProcedure("PrintInvoiceReport", &PrintInvoiceReport);
    RegisterProcedure("PrintInvoiceShippingLabels", &PrintInvoiceShippingLabels);
}
