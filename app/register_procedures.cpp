#include "app/register_procedures.h"

#include "frame/procedure_registry.h"

void RegisterProgramProcedures() {
    // Each subsystem adds its entry procedures here as it is built, for example
    //   RegisterProcedure("BrowseMAIL", &BrowseMAIL);
    // Until then the main menu shows their buttons disabled.
}
