#include "data_exchange/data_exchange_procedures.h"
#include "frame/procedure_registry.h"

void RegisterDataExchangeProcedures() {
    RegisterProcedure("ImportExportMenu", &ImportExportMenu);
    RegisterProcedure("ExportMAIL", &ExportMAIL);
    RegisterProcedure("ExportCHECKS", &ExportCHECKS);
    RegisterProcedure("ImportMAIL", &ImportMAIL);
    RegisterProcedure("ImportCHECKS", &ImportCHECKS);
}
