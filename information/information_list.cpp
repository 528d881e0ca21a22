// "Browse the Information File" (Information): the information texts by title, the "What Else
// Do I Need?" text and the manual.
#include "frame/browse_engine.h"
#include "information/information_list_window.h"
#include "information/information_procedures.h"
#include "information/manual.h"
#include "records/informat.h"

namespace {

namespace C = windows::information_list::InformationListControl;

class InformationList : public BrowseProcedure {
  public:
    InformationList()
        : BrowseProcedure(windows::information_list::informationListWindow(), sheet()) {
        OnButton(C::WhatElse, [this] { Call(&ShowWhatElseNeeded); });
        OnButton(C::PrintManual, [] { OpenManual(); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &INFORMAT;
        s.displayName = "Information";
        s.list = C::List;
        s.orders = {BrowseOrder::keyed(INF::KEYINFORMATIONFILE, LocatorKind::None, StopKind::Text)};
        s.columns = {INF::INFORMATIONFILE.index()};
        s.buttons.insert = C::Insert;
        s.buttons.change = C::View;
        s.buttons.remove = C::Delete;
        s.buttons.close = C::Close;
        s.updateForm = [] { UpdateInformation(); };
        s.noPopup = true;
        return s;
    }

  protected:
    int firstControl() const override { return C::Insert; }
};

}  // namespace

void Information() {
    InformationList().run();
}
