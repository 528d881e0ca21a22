// "Browse the Area Code File" (AreaCodes): the area-code lookup; it hands nothing back.
#include "frame/browse_engine.h"
#include "records/areacode.h"
#include "reference/area_code_lookup_window.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"

namespace {

using namespace windows;

class AreaLookup : public BrowseProcedure {
  public:
    AreaLookup() : BrowseProcedure(area_code_lookup::areaLookupWindow(), sheet()) {
        OnButton(area_code_lookup::AreaLookupControl::UpdateAreaCodes, [this] {
            Call(&UpdateAreaCodes);
            PostCloseWindow();
        });
    }

    static BrowseSheet sheet() {
        using namespace area_code_lookup::AreaLookupControl;
        return areaSheet(List, Sheet, Close, AreaCode, State, City);
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void AreaCodes() {
    AreaLookup().run();
}
