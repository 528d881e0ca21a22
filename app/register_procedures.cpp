#include "app/register_procedures.h"

#include "checks/check_procedures.h"
#include "contacts/contact_procedures.h"
#include "data_exchange/data_exchange_procedures.h"
#include "followups/followup_procedures.h"
#include "genealogy/genealogy_procedures.h"
#include "information/information_procedures.h"
#include "invoices/invoice_procedures.h"
#include "labels/label_procedures.h"
#include "reference/reference_procedures.h"

void RegisterProgramProcedures() {
    // Each feature folder registers its own procedures. Buttons whose procedure is not
    // registered stay disabled.
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    RegisterCheckProcedures();
    RegisterGenealogyProcedures();
    RegisterFollowUpProcedures();
    RegisterDataExchangeProcedures();
    RegisterInformationProcedures();
    RegisterInvoiceProcedures();
    RegisterLabelProcedures();
}
