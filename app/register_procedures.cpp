#include "app/register_procedures.h"

#include "contacts/contact_procedures.h"
#include "frame/procedure_registry.h"

void RegisterProgramProcedures() {
    // Each subsystem adds its entry procedures here as it is built. The main menu shows
    // the buttons of procedures not registered disabled.
    RegisterContactProcedures();
}
