// The zip-code table: the lookup ZipCode, the maintenance list ZipCode2 and the form
// UpdateZip.

#include "frame/browse_engine.h"
#include "frame/form_engine.h"
#include "records/mail.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"
#include "windows/tovik101.h"
#include "windows/tovik158.h"
#include "windows/tovik159.h"

namespace {

using namespace windows;

class ZipLookup : public BrowseProcedure {
  public:
    ZipLookup() : BrowseProcedure(tovik101::zipLookupWindow(), sheet(), {&MAIL}) {
        using namespace tovik101::ZipLookupControl;
        OnButton(UpdateZipCodes, [this] {
            Call(&ZipCode2);
            PostCloseWindow();
        });
        OnButton(HiddenOk, [] {});
    }

    static BrowseSheet sheet() {
        using namespace tovik101::ZipLookupControl;
        BrowseSheet s;
        s.file = &ZIP;
        s.displayName = "Zip";
        s.list = List;
        s.tabs = Sheet;
        s.orders = {entryOrder(ZIP::KEYCITY, City, StopKind::None),
                    entryOrder(ZIP::KEYSTATE, State, StopKind::Text),
                    entryOrder(ZIP::KEYZIP, Zip, StopKind::Text)};
        s.columns = {ZIP::CITY.index(), ZIP::STATE.index(), ZIP::ZIP_.index()};
        s.quickScanFills = true;
        s.buttons.select = Select;
        s.buttons.close = Close;
        // Nothing to choose in an empty list.
        s.rowControls = {Select};
        s.popupText = "&Select";
        s.popupTextEmpty = "~&Select";
        s.popupButtons = {Select};
        s.resizable = true;
        return s;
    }

  protected:
    void setUpWindow() override {
        BrowseProcedure::setUpWindow();
        if (selectMode()) window().setProp(tovik101::ZipLookupControl::Select, PROP::Default, 1);
    }

    bool takeOwnEvent() override {
        if (window().accepted() != tovik101::ZipLookupControl::Select &&
            !(window().event() == EVENT::AlertKey &&
              window().field() == tovik101::ZipLookupControl::List))
            return false;
        if (LOC.Response != RESP::Completed) return false;
        if (rowCount() == 0) {
            // An empty list chooses nothing: the contact keeps its city, state and zip.
            LOC.Response = RESP::Cancelled;
            return false;
        }
        MAI::CITY.setText(ZIP::CITY.text().substr(0, 15));
        MAI::ZIP.setText(ZIP::ZIP_.text());
        MAI::STATE.setText(ZIP::STATE.text());
        return false;
    }
};

class ZipList : public BrowseProcedure {
  public:
    ZipList() : BrowseProcedure(tovik159::zipListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        using namespace tovik159::ZipListControl;
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

FieldHistory& zipHistory() {
    static FieldHistory history;
    return history;
}

class ZipForm : public FormProcedure {
  public:
    ZipForm() : FormProcedure(tovik158::zipFormWindow(), sheet()) {}

    static FormSheet sheet() {
        using namespace tovik158::ZipFormControl;
        FormSheet s;
        s.file = &ZIP;
        s.displayName = "Zip";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 1;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.firstField = City;
        s.history = &zipHistory();
        s.dittoControls = {City, State, Zip};
        s.resizable = true;
        return s;
    }
};

}  // namespace

void ZipCode() {
    ZipLookup().run();
}
void ZipCode2() {
    ZipList().run();
}
void UpdateZip() {
    ZipForm().run();
}
