// "Enter Picture...": the user types a display picture for a field; it must begin with "@".
#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/enter_picture_window.h"
#include "frame/procedure.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

namespace C = windows::enter_picture::EnterPictureControl;

class EnterPictureWindow : public Procedure {
  public:
    explicit EnterPictureWindow(std::string_view picture)
        : Procedure(windows::enter_picture::enterPictureWindow(), {}),
          picture_(std::string(picture.substr(0, 30))) {}

    std::string result() const { return picture_; }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name == "LOC:Picture") return rt::bindText("LOC:Picture", picture_);
        return nullptr;
    }
    int firstControl() const override { return C::Picture; }

    bool takeEvent() override {
        switch (window().event()) {
            case EVENT::Accepted:
                if (window().field() == C::Picture && !startsWithAt()) {
                    rt::message("Pictures must begin with \"@\"", "Invalid Picture!",
                                ICON::Asterisk);
                    window().select(C::Picture);
                } else if (window().field() == C::Ok) {
                    if (!startsWithAt()) {
                        rt::message("Pictures must begin with \"@\"", "Invalid Picture!",
                                    ICON::Asterisk);
                        window().select(C::Picture);
                    } else {
                        ok_ = true;
                        window().close();
                    }
                } else if (window().field() == C::Cancel) {
                    PostCloseWindow();
                }
                break;
            case EVENT::CloseWindow:
            case EVENT::CloseDown:
                if (!ok_) picture_.assign(30, ' ');
                break;
            default:
                break;
        }
        return false;
    }

  private:
    bool startsWithAt() const { return !picture_.empty() && picture_[0] == '@'; }

    std::string picture_;
    bool ok_ = false;
};

}  // namespace

std::string EnterPicture(std::string_view picture) {
    EnterPictureWindow w(picture);
    w.run();
    return w.result();
}
