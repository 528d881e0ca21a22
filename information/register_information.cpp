#include "frame/procedure_registry.h"
#include "information/information_procedures.h"

void RegisterInformationProcedures() {
    RegisterProcedure("Information", &Information);
    RegisterProcedure("HelpBrowse", &HelpBrowse);
    RegisterProcedure("UpdateInformation", &UpdateInformation);
    RegisterProcedure("UpdateHelp", &UpdateHelp);
    RegisterProcedure("PrivateLabelMenu", &PrivateLabelMenu);
    RegisterProcedure("AddProductName", &AddProductName);
    RegisterProcedure("UpdatePLF", &UpdatePLF);
    RegisterProcedure("UpdateWhatElseNeeded", &UpdateWhatElseNeeded);
    RegisterProcedure("ShowWhatElseNeeded", &ShowWhatElseNeeded);
}
