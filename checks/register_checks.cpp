#include "checks/check_procedures.h"
#include "frame/procedure_registry.h"

void RegisterCheckProcedures() {
    RegisterProcedure("SelectPayTo", &SelectPayTo);
    RegisterProcedure("UpdatePayee", &UpdatePayee);
    RegisterProcedure("PostChecksToPrint", &PostChecksToPrint);
    RegisterProcedure("UpdateCheck", &UpdateCheck);
    RegisterProcedure("SelectCheckStyleTagged", &SelectCheckStyleTagged);
    RegisterProcedure("SelectCheckStyleAll", &SelectCheckStyleAll);
    RegisterProcedure("SelectCheckStyleReprint", &SelectCheckStyleReprint);
    RegisterProcedure("PrintCheckStyle1Tagged", &PrintCheckStyle1Tagged);
    RegisterProcedure("PrintCheckStyle2Tagged", &PrintCheckStyle2Tagged);
    RegisterProcedure("PrintCheckStyle1All", &PrintCheckStyle1All);
    RegisterProcedure("PrintCheckStyle2ThreeUp", &PrintCheckStyle2ThreeUp);
    RegisterProcedure("ReprintCheckStyle1", &ReprintCheckStyle1);
    RegisterProcedure("ReprintCheckStyle2", &ReprintCheckStyle2);
    RegisterProcedure("BrowseCheckRegister", &BrowseCheckRegister);
    RegisterProcedure("PrintCheckRegister", &PrintCheckRegister);
    RegisterProcedure("SearchChecks", &SearchChecks);
    RegisterProcedure("BrowseMonthlyDrafts", &BrowseMonthlyDrafts);
    RegisterProcedure("SelectMonthlyDraftClient", &SelectMonthlyDraftClient);
    RegisterProcedure("UpdateMonthlyDraft", &UpdateMonthlyDraft);
    RegisterProcedure("EnterStartingCheckNumber", &EnterStartingCheckNumber);
    RegisterProcedure("PrintMonthlyDrafts", &PrintMonthlyDrafts);
    RegisterProcedure("PrintDraftRegister", &PrintDraftRegister);
    RegisterProcedure("SearchMonthlyDrafts", &SearchMonthlyDrafts);
    RegisterProcedure("ClearBlankCheckNumbers", &ClearBlankCheckNumbers);
    RegisterProcedure("EnterLastCheckNumber", &EnterLastCheckNumber);
    RegisterProcedure("NumberBlankChecks", &NumberBlankChecks);
    RegisterProcedure("BrowseBlankChecks", &BrowseBlankChecks);
    RegisterProcedure("UpdateBlankCheck", &UpdateBlankCheck);
    RegisterProcedure("PrintBlankChecksThreeUp", &PrintBlankChecksThreeUp);
    RegisterProcedure("PrintBlankChecksOneUp", &PrintBlankChecksOneUp);
}
