#include "checks/check_procedures.h"
#include "frame/procedure_registry.h"

void RegisterCheckProcedures() {
    RegisterProcedure("SelectPayTo", &SelectPayTo);
    RegisterProcedure("UpdatePayee", &UpdatePayee);
}
