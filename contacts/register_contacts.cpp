#include "contacts/contact_procedures.h"
#include "frame/procedure_registry.h"

void RegisterContactProcedures() {
    RegisterProcedure("BrowseMAIL", &BrowseMAIL);
    RegisterProcedure("SearchMAIL", &SearchMAIL);
    RegisterProcedure("UpdateMAIL", &UpdateMAIL);
    RegisterProcedure("UpdateAdditionalNotes", &UpdateAdditionalNotes);
    RegisterProcedure("UpdateClientCheckInfo", &UpdateClientCheckInfo);
    RegisterProcedure("DialPhoneNumbers", &DialPhoneNumbers);
    RegisterProcedure("SelectClient", &SelectClient);
}
