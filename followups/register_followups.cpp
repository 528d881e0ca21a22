#include "followups/followup_procedures.h"
#include "frame/procedure_registry.h"

void RegisterFollowUpProcedures() {
    RegisterProcedure("BrowseContacts", &BrowseContacts);
    RegisterProcedure("AddContacts", &AddContacts);
    RegisterProcedure("ClearOldContacts", &ClearOldContacts);
    RegisterProcedure("UpdateContactInfo", &UpdateContactInfo);
    RegisterProcedure("BrowseAppointments", &BrowseAppointments);
    RegisterProcedure("AddAppointments", &AddAppointments);
    RegisterProcedure("ClearOldAppointments", &ClearOldAppointments);
    RegisterProcedure("UpdateAppointmentInfo", &UpdateAppointmentInfo);
    RegisterProcedure("PrintContactsReport", &PrintContactsReport);
    RegisterProcedure("PrintAppointmentsReport", &PrintAppointmentsReport);
    RegisterProcedure("PrintMAILReport", &PrintMAILReport);
}
