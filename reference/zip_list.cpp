// The zip-code maintenance list (ZipCode2), opened from the lookup's "Update Zip Codes".
#include "frame/browse_engine.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"
#include "reference/zip_list_window.h"

namespace {

using namespace windows;

class ZipList : public BrowseProcedure {
  public:
    ZipList() : BrowseProcedure(zip_list::zipListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        using namespace zip_list::ZipListControl;
        BrowseSheet s;
        s.file = &ZIP;
        s.displayName = "Zip";
        s.list = List;
        s.tabs = Sheet;
        s.orders = {entryOrder(ZIP::KEYCITY, City, StopKind::Text),
                    BrowseOrder::keyed(ZIP::KEYSTATE, LocatorKind::Step, StopKind::Text),
                    entryOrder(ZIP::KEYZIP, Zip, StopKind::Text)};
        s.columns = {ZIP::CITY.index(), ZIP::STATE.index(), ZIP::ZIP_.index(),
                     ZIP::POPULATION.index()};
        s.buttons.close = Close;
        addMaintenanceButtons(s, Insert, Change, Delete, [] { UpdateZip(); });
        s.resizable = true;
        return s;
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void ZipCode2() {
    ZipList().run();
}
