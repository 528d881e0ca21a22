#include "frame/procedure.h"
#include "records/plf.h"
#include "runtime/system/desktop_programs.h"
#include "runtime/ui/keys.h"
#include "shell/intro_window.h"
#include "shell/program_main.h"

namespace {

constexpr int kCloseAfterHundredths = 300;

class IntroWindowProcedure : public Procedure {
  public:
    IntroWindowProcedure() : Procedure(windows::intro::introWindowStructure(), {&PLF}) {}

  protected:
    void beforeSetUp() override {
        // Played without waiting; a missing sound or player is no error.
        desktop::PlaySoundAsync("C:\\WINDOWS\\MEDIA\\Chimes.wav");
    }
    void setUpRecords() override {
        // The first record in record order; an empty file leaves the name blank.
        if (PLF.set() == 0) PLF.next();
    }
    void setUpWindow() override {
        window().setProp(0, PROP::Timer, kCloseAfterHundredths);
        window().addAlertKey(0, KEY::LeftClick);
        window().addAlertKey(0, KEY::LeftDoubleClick);
        window().addAlertKey(0, KEY::RightClick);
    }
    int firstControl() const override { return windows::intro::IntroControl::ProductName; }
    bool takeEvent() override {
        switch (window().event()) {
            case EVENT::Timer:
                PostCloseWindow();
                break;
            case EVENT::AlertKey:
                if (int key = rt::keyCode();
                    key == KEY::LeftClick || key == KEY::LeftDoubleClick || key == KEY::RightClick)
                    PostCloseWindow();
                break;
            default:
                break;
        }
        return false;
    }
    // All of the user's work runs inside the main menu, called from here.
    void finishing() override {
        window().setProp(0, PROP::Timer, 0);  // only the first timer event counts
        MainMenu();
    }
};

}  // namespace

void IntroWindow() {
    IntroWindowProcedure().run();
}
