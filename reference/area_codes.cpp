// The area-code table: the lookup AreaCodes, the maintenance list UpdateAreaCodes and the
// form UpdateAreaCode.

#include <vector>

#include "frame/browse_engine.h"
#include "frame/form_engine.h"
#include "records/areacode.h"
#include "reference/reference_procedures.h"
#include "windows/tovik104.h"
#include "windows/tovik105.h"
#include "windows/tovik106.h"

namespace {

using namespace windows;

BrowseOrder entryOrder(int key, int entry, StopKind stops) {
    BrowseOrder o = BrowseOrder::keyed(key, LocatorKind::Entry, stops);
    o.entryControl = entry;
    return o;
}

std::vector<BrowseOrder> areaOrders(int areaEntry, int stateEntry, int cityEntry) {
    return {entryOrder(ARE::KEYAREACODE, areaEntry, StopKind::None),
            entryOrder(ARE::KEYSTATE, stateEntry, StopKind::Text),
            entryOrder(ARE::KEYCITY, cityEntry, StopKind::Text)};
}

std::vector<int> areaColumns() {
    return {ARE::AREACODE.index(), ARE::STATE.index(), ARE::CITY.index(), ARE::TIMEZONE.index()};
}

class AreaLookup : public BrowseProcedure {
  public:
    AreaLookup() : BrowseProcedure(tovik104::areaLookupWindow(), sheet()) {
        OnButton(tovik104::AreaLookupControl::UpdateAreaCodes, [this] {
            Call(&UpdateAreaCodes);
            PostCloseWindow();
        });
    }

    static BrowseSheet sheet() {
        using namespace tovik104::AreaLookupControl;
        BrowseSheet s;
        s.file = &AREACODE;
        s.displayName = "AreaCode";
        s.list = List;
        s.tabs = Sheet;
        s.orders = areaOrders(AreaCode, State, City);
        s.columns = areaColumns();
        s.buttons.close = Close;
        s.resizable = true;
        return s;
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

class AreaList : public BrowseProcedure {
  public:
    AreaList() : BrowseProcedure(tovik105::areaListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        using namespace tovik105::AreaListControl;
        BrowseSheet s;
        s.file = &AREACODE;
        s.displayName = "AreaCode";
        s.list = List;
        s.tabs = Sheet;
        s.orders = areaOrders(AreaCode, State, City);
        s.columns = areaColumns();
        s.buttons.insert = Insert;
        s.buttons.change = Change;
        s.buttons.remove = Delete;
        s.buttons.close = Close;
        s.updateForm = [] { UpdateAreaCode(); };
        s.popupText = "&Insert|&Change|&Delete";
        s.popupTextEmpty = "&Insert|~&Change|~&Delete";
        s.popupButtons = {Insert, Change, Delete};
        s.resizable = true;
        return s;
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

class AreaForm : public FormProcedure {
  public:
    AreaForm() : FormProcedure(tovik106::areaFormWindow(), sheet()) {}

    static FormSheet sheet() {
        using namespace tovik106::AreaFormControl;
        FormSheet s;
        s.file = &AREACODE;
        s.displayName = "AreaCode";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 0;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.firstField = AreaCode;
        s.resizable = true;
        return s;
    }
};

}  // namespace

void AreaCodes() {
    AreaLookup().run();
}
void UpdateAreaCodes() {
    AreaList().run();
}
void UpdateAreaCode() {
    AreaForm().run();
}
