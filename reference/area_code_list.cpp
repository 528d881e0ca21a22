// The area-code maintenance list (UpdateAreaCodes), opened from the lookup's "Update Area
// Codes".
#include "frame/browse_engine.h"
#include "records/areacode.h"
#include "reference/area_code_list_window.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"

namespace {

using namespace windows;

class AreaList : public BrowseProcedure {
  public:
    AreaList() : BrowseProcedure(area_code_list::areaListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        using namespace area_code_list::AreaListControl;
        BrowseSheet s = areaSheet(List, Sheet, Close, AreaCode, State, City);
        addMaintenanceButtons(s, Insert, Change, Delete, [] { UpdateAreaCode(); });
        return s;
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void UpdateAreaCodes() {
    AreaList().run();
}
