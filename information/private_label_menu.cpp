// The private-label window (PrivateLabelMenu), opened by the main menu's alert key: its button
// opens the list of product records. It opens no record file and answers RESP::Cancelled.
#include "frame/procedure.h"
#include "information/information_procedures.h"
#include "information/product_windows.h"

namespace {

namespace C = windows::product::PrivateLabelControl;

class PrivateLabelWindow : public Procedure {
  public:
    PrivateLabelWindow() : Procedure(windows::product::privateLabelWindow(), {}) {}

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
