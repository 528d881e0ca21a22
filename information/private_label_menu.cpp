// The private-label window (PrivateLabelMenu), opened by the main menu's alert key: its button
// opens the list of product records. It opens no record file and answers RESP::Cancelled.
#include "frame/procedure.h"
#include "information/information_procedures.h"
#include "information/private_label_menu_window.h"

namespace {

namespace C = windows::private_label_menu::PrivateLabelControl;

class PrivateLabelWindow : public Procedure {
  public:
    PrivateLabelWindow() : Procedure(windows::private_label_menu::privateLabelWindow(), {}) {}

  protected:
    int firstControl() const override { return C::MakeFile; }
    bool takeEvent() override {
        if (window().accepted() == C::MakeFile) Call(&AddProductName);
        if (window().accepted() == C::Close) PostCloseWindow();
        return false;
    }
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void PrivateLabelMenu() {
    PrivateLabelWindow().run();
}
