#include "frame/procedure_registry.h"
#include "genealogy/genealogy_procedures.h"

void RegisterGenealogyProcedures() {
    RegisterProcedure("SearchCompanyID", &SearchCompanyID);
}
