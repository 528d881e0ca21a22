#pragma once
// The backend without a display: windows stay models, dialogs wait for the driver, and
// time is the program's own: timers fire only when the driver lets time pass, at once.

#include <map>
#include <string>
#include <vector>

#include "runtime/ui/backend.h"

namespace rt {

class HeadlessBackend : public Backend {
  public:
    void windowOpened(Window& window) override;
    void windowClosed(Window& window) override;
    void controlChanged(Window&, int) override {}
    void controlCreated(Window&, int) override {}
    void controlDestroyed(Window&, int) override {}
    void focusChanged(Window&, int) override {}
    void timerChanged(Window& window, int hundredths) override;
    bool keepsProgramTime() const override { return true; }
    int visibleRows(const Window& window, int control) override;
    // In dialog units of the character cell below, whatever the window's font.
    std::optional<std::pair<int, int>> pictureSize(const Window& window, const std::string& file,
                                                   const std::string& bytes) override;
    void showDialog(const DialogPtr& dialog) override;
    void beep(int sound) override;
    void setCursor(int cursor) override;
    void setProgramIcon(const std::string& name) override;
    void setClipboardText(const std::string& text) override;

    // --- for the driver; call while every application thread waits ---
    // The unanswered dialogs, oldest first.
    std::vector<DialogPtr> pendingDialogs();
    // Moves the program's clock to the next timer due and fires it; false when no window
    // has a timer.
    bool fireNextTimer();
    long clock();  // hundredths of a second since the program started
    int beeps();
    int cursor();
    std::string programIcon();
    std::string clipboardText();
    // The average character cell in pixels that stands for every window's font (by default
    // that of the standard dialog font, 6 x 13), to match a display backend's.
    void setCharacterCell(int width, int height);

  private:
    struct TimerState {
        int interval = 0;
        long due = 0;
    };
    std::map<Window*, TimerState> timers_;  // guarded by Scheduler::mutex()
    std::vector<DialogPtr> dialogs_;
    long clock_ = 0;
    int beeps_ = 0;
    int cursor_ = 0;
    std::string programIcon_;
    std::string clipboard_;
    int cellWidth_ = 6, cellHeight_ = 13;
};

}  // namespace rt
