// DialPhoneNumbers: the five numbers of the contact in the MAIL buffer, each with a dial
// button. Changes on the window stay in the buffer; nothing is written.

#include <string>

#include "contacts/contact_procedures.h"
#include "contacts/dial_phone_numbers_window.h"
#include "contacts/hand_overs.h"
#include "frame/procedure.h"
#include "records/mail.h"

namespace {

using namespace windows::dial_phone_numbers;

class PhoneDialler : public Procedure {
  public:
    PhoneDialler() : Procedure(dialWindow(), {&MAIL}) {}

  protected:
    void beforeSetUp() override { dialingName_ = DialingName(); }
    void setUpWindow() override { window().setStatus(1, "View Telephone Numbers"); }
    int firstControl() const override { return DialControl::number(0); }

    bool takeEvent() override {
        static const rt::Field* const numbers[] = {&MAI::HOMEPHONE, &MAI::WORKPHONE, &MAI::FAX,
                                                   &MAI::CELLPHONE, &MAI::BEEPER};
        const int control = window().accepted();
        for (int row = 0; row < 5; ++row)
            if (control == DialControl::dialButton(row))
                DialNumber(numbers[row]->text(), dialingName_);
        if (control == DialControl::Close) {
            LOC.Response = RESP::Cancelled;
            PostCloseWindow();
        }
        return false;
    }

  private:
    std::string dialingName_;
};

}  // namespace

void DialPhoneNumbers() {
    PhoneDialler().run();
}
