// DownlinePanel: the genealogy's tool window. It only dispatches: the sponsor list, the
// levels list, the up-line search from the contact highlighted in the main list, the
// up-line list and the clearing of the marks. It opens no record file of its own.

#include "frame/globals.h"
#include "frame/procedure.h"
#include "frame/use_counts.h"
#include "genealogy/downline_panel_window.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"

namespace {

namespace P = windows::downline_panel::PanelControl;

class Panel : public Procedure {
  public:
    Panel() : Procedure(windows::downline_panel::panelWindow(), {}) {}

  protected:
    int firstControl() const override { return P::DownlineOnScreen; }

    bool takeEvent() override {
        if (window().event() != EVENT::Accepted) return false;
        switch (window().field()) {
            case P::Sponsor:
                Call(&::Sponsor);
                break;
            case P::DownlineOnScreen:
                Call(&BrowseLevels);
                break;
            case P::SearchUpline:
                SearchUplineOfHighlighted();
                break;
            case P::ViewUpline:
                Call(&BrowseUpline);
                break;
            case P::ClearViewAbove:
                Call(&ClearUpline);
                break;
            case P::Close:
                LOC.Response = RESP::Cancelled;
                PostCloseWindow();
                break;
            default:
                return false;
        }
        return true;
    }
};

}  // namespace

void SearchUplineOfHighlighted() {
    // MAIL is opened on this thread if no procedure here has it open, whatever the procedures
    // called from the panel opened and closed before.
    UseFile(MAIL);
    if (!GLO::HighlightedContact.empty() && MAIL.reget(GLO::HighlightedContact) == 0)
        UplineSearch();
    ReleaseFile(MAIL);
}

void DownlinePanel() {
    Panel().run();
}
