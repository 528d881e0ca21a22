#include "frame/procedure_registry.h"
#include "reference/reference_procedures.h"

void RegisterReferenceProcedures() {
    RegisterProcedure("ZipCode", &ZipCode);
    RegisterProcedure("ZipCode2", &ZipCode2);
    RegisterProcedure("UpdateZip", &UpdateZip);
    RegisterProcedure("AreaCodes", &AreaCodes);
    RegisterProcedure("UpdateAreaCodes", &UpdateAreaCodes);
    RegisterProcedure("UpdateAreaCode", &UpdateAreaCode);
    RegisterProcedure("WebBookMarks", &WebBookMarks);
    RegisterProcedure("UpdateWeb", &UpdateWeb);
}
