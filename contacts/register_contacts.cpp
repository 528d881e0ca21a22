#include "contacts/contact_procedures.h"
#include "frame/procedure_registry.h"
#include "reference/reference_procedures.h"

void RegisterContactProcedures() {
    RegisterProcedure("BrowseMAIL", &BrowseMAIL);
    RegisterProcedure("SearchMAIL", &SearchMAIL);
    RegisterProcedure("UpdateMAIL", &UpdateMAIL);
    RegisterProcedure("UpdateAdditionalNotes", &UpdateAdditionalNotes);
    RegisterProcedure("UpdateClientCheckInfo", &UpdateClientCheckInfo);
    RegisterProcedure("DialPhoneNumbers", &DialPhoneNumbers);
    RegisterProcedure("SelectClient", &SelectClient);
    RegisterProcedure("ZipCode", &ZipCode);
    RegisterProcedure("ZipCode2", &ZipCode2);
    RegisterProcedure("UpdateZip", &UpdateZip);
    RegisterProcedure("AreaCodes", &AreaCodes);
    RegisterProcedure("UpdateAreaCodes", &UpdateAreaCodes);
    RegisterProcedure("UpdateAreaCode", &UpdateAreaCode);
}
