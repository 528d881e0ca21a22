// "Browse the Web File" (WebBookMarks): the bookmarks by site name, one tab per category;
// "Press Here To Go To Site" hands the highlighted bookmark's address to the desktop.
#include <string>

#include "contacts/hand_overs.h"
#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "records/web.h"
#include "reference/reference_procedures.h"
#include "reference/web_list_window.h"

namespace {

namespace C = windows::web_list::WebListControl;

class WebList : public BrowseProcedure {
  public:
    WebList() : BrowseProcedure(windows::web_list::webListWindow(), sheet()) {
        OnButton(C::GoToSite, [] { goToSite(); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &WEB;
        s.displayName = "Web";
        s.list = C::List;
        s.tabs = C::Sheet;
        // The site-name entry locates within the tab showing and becomes that tab's
        // locator text, which typing in the list then goes on with.
        auto byName = [](std::string filter) {
            BrowseOrder o = BrowseOrder::keyed(WEB::KEYSITENAME, LocatorKind::Entry, StopKind::None,
                                               std::move(filter));
            o.entryControl = C::SiteName;
            return o;
        };
        s.orders = {byName("")};
        for (const char* category : windows::web_list::kWebCategories)
            s.orders.push_back(byName(std::string("(Web:General = '") + category + "')"));
        s.columns = {WEB::SITENAME.index(), WEB::URL.index()};
        s.buttons.insert = C::Add;
        s.buttons.change = C::Open;
        s.buttons.remove = C::Delete;
        s.buttons.close = C::Close;
        s.rowControls = {C::SiteName};
        s.updateForm = [] { UpdateWeb(); };
        s.popupText = "Add|&Open|&Delete";
        s.popupTextEmpty = "Add|~&Open|~&Delete";
        s.popupButtons = {C::Add, C::Open, C::Delete};
        s.resizable = true;
        return s;
    }

  private:
    // Only web addresses reach the desktop: a bare host gets "http://"; a blank, a local
    // path, a program or another scheme is refused with a message.
    static void goToSite() { OpenWebAddress(WEB::URL.text()); }
};

}  // namespace

void WebBookMarks() {
    GLO::Request = 0;
    WebList().run();
}
