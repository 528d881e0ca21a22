// The area-code table: the lookup AreaCodes, the maintenance list UpdateAreaCodes and the
// form UpdateAreaCode.

#include "frame/browse_engine.h"
#include "frame/form_engine.h"
#include "records/areacode.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"
#include "windows/tovik104.h"
#include "windows/tovik105.h"
#include "windows/tovik106.h"

namespace {

using namespace windows;

// The list both area-code windows show: its orders by area code, state and city (each with
// its locator entry) and its columns.
BrowseSheet areaSheet(int list, int tabs, int close, int areaEntry, int stateEntry, int cityEntry) {
    BrowseSheet s;
    s.file = &AREACODE;
    s.displayName = "AreaCode";
    s.list = list;
    s.tabs = tabs;
    s.orders = {entryOrder(ARE::KEYAREACODE, areaEntry, StopKind::None),
                entryOrder(ARE::KEYSTATE, stateEntry, StopKind::Text),
                entryOrder(ARE::KEYCITY, cityEntry, StopKind::Text)};
    s.columns = {ARE::AREACODE.index(), ARE::STATE.index(), ARE::CITY.index(),
                 ARE::TIMEZONE.index()};
    s.buttons.close = close;
    s.resizable = true;
    return s;
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
        return areaSheet(List, Sheet, Close, AreaCode, State, City);
    }

  protected:
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

class AreaList : public BrowseProcedure {
  public:
    AreaList() : BrowseProcedure(tovik105::areaListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        using namespace tovik105::AreaListControl;
        BrowseSheet s = areaSheet(List, Sheet, Close, AreaCode, State, City);
        addMaintenanceButtons(s, Insert, Change, Delete, [] { UpdateAreaCode(); });
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
