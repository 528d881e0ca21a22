#include "frame/procedure_registry.h"
#include "information/information_procedures.h"

void RegisterInformationProcedures() {
}
