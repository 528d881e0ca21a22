#include "frame/procedure_registry.h"
#include "genealogy/genealogy_procedures.h"

void RegisterGenealogyProcedures() {
    RegisterProcedure("SearchCompanyID", &SearchCompanyID);
    RegisterProcedure("LevelWalk", &LevelWalk);
    RegisterProcedure("UplineSearch", &UplineSearch);
    RegisterProcedure("DownlinePanel", &DownlinePanel);
    RegisterProcedure("Sponsor", &Sponsor);
    RegisterProcedure("BrowseLevels", &BrowseLevels);
    RegisterProcedure("PrintGenealogy", &PrintGenealogy);
    RegisterProcedure("BrowseUpline", &BrowseUpline);
    RegisterProcedure("PrintUplineReport", &PrintUplineReport);
    RegisterProcedure("ClearUpline", &ClearUpline);
}
