// Sponsor: "Browse the Sponsor File". "Select" keeps the highlighted distributor's level,
// identification number and name in the sponsor globals, where the contact form takes them
// over; the list then closes and answers RESP::Cancelled.

#include <string>

#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/sponsor_list_window.h"
#include "records/mail.h"
#include "records/plf.h"
#include "runtime/text/number_text.h"

namespace {

using namespace windows::sponsor_list;
using namespace SponsorControl;

std::string trimmedRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The name the sponsor is known by: first name, one blank, last name, in 30 characters.
std::string sponsorNameOfBuffer() {
    return (trimmedRight(MAI::FIRSTNAME.text()) + " " + MAI::LASTNAME.text()).substr(0, 30);
}

class SponsorList : public BrowseProcedure {
  public:
    SponsorList() : BrowseProcedure(sponsorWindow(), sheet(), {&PLF}) {
        OnButton(Select, [this] { choose(); });
    }

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &MAIL;
        s.displayName = "MAIL";
        s.list = List;
        s.tabs = Sheet;
        BrowseOrder byFirst =
            BrowseOrder::keyed(MAI::KEYFIRSTNAME, LocatorKind::Entry, StopKind::None);
        byFirst.entryControl = FirstNameEntry;
        BrowseOrder byLast =
            BrowseOrder::keyed(MAI::KEYLASTNAME, LocatorKind::Entry, StopKind::Text);
        byLast.entryControl = LastNameEntry;
        BrowseOrder inRecordOrder;  // the ID Number tab: its entry locates nothing
        BrowseOrder forSelect =
            BrowseOrder::keyed(MAI::KEYFIRSTNAME, LocatorKind::Incremental, StopKind::Text);
        s.orders = {byFirst, byLast, inRecordOrder, forSelect};
        s.orderOfTab = [](int tab) { return tab >= 1 && tab <= 3 ? tab : 4; };
        s.columns = {MAI::FIRSTNAME.index(), MAI::LASTNAME.index(), MAI::IDNUMBER.index(),
                     MAI::LEVEL.index(), MAI::TAB4.index()};
        s.resizable = true;
        return s;
    }

  private:
    // The highlighted row's distributor is in the buffer (read again by the button).
    void choose() {
        GLO::SponsorLevel = rt::numberToText(rt::Decimal(MAI::LEVEL.integer()));
        GLO::SponsorIdNumber = MAI::IDNUMBER.text();
        GLO::SponsorName = sponsorNameOfBuffer().substr(0, 20);
        window().display();
        LOC.Response = RESP::Cancelled;
        PostCloseWindow();
    }
};

}  // namespace

void Sponsor() {
    SponsorList().run();
}
