// "Browse the Zip File" (ZipCode): the zip-code lookup, which in select mode hands the
// chosen city, state and zip to the contact in the MAIL buffer.
#include "frame/browse_engine.h"
#include "records/mail.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "reference/sheet_parts.h"
#include "reference/zip_lookup_window.h"

namespace {

using namespace windows;

class ZipLookup : public BrowseProcedure {
  public:
    ZipLookup() : BrowseProcedure(zip_lookup::zipLookupWindow(), sheet(), {&MAIL}) {
        using namespace zip_lookup::ZipLookupControl;
        OnButton(UpdateZipCodes, [this] {
            Call(&ZipCode2);
            PostCloseWindow();
        });
        OnButton(HiddenOk, [] {});
    }

    static BrowseSheet sheet() {
        using namespace zip_lookup::ZipLookupControl;
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
        if (selectMode()) window().setProp(zip_lookup::ZipLookupControl::Select, PROP::Default, 1);
    }

    bool takeOwnEvent() override {
        if (window().accepted() != zip_lookup::ZipLookupControl::Select &&
            !(window().event() == EVENT::AlertKey &&
              window().field() == zip_lookup::ZipLookupControl::List))
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

}  // namespace

void ZipCode() {
    ZipLookup().run();
}
