#pragma once
// What a window system does for the window model. The model tells the backend what
// changed; the backend turns user input into Window::postInputIfOpen calls (any thread) and
// answers dialogs through Dialog::answer (any thread).
//
// The model calls every function below on an application thread holding the baton and with
// Scheduler::mutex() held; a backend copies what it needs and returns at once (it must not
// wait for its own GUI thread, which may itself be waiting for the lock).

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace rt {

class Window;

enum class DialogKind { Message, Popup, File, PrinterSetup };

struct FileFilter {
    std::string description;
    std::string pattern;  // "*.CSV"
};

struct PrinterSettings {
    std::string device;
    int copies = 1;
    bool collate = false;
};

// One dialog the program shows and waits for. The fields for its kind are filled in.
struct Dialog {
    DialogKind kind = DialogKind::Message;
    // Message box
    std::string caption;
    std::string text;
    int icon = 0;
    int buttons = 0;        // BUTTON:: codes or-ed
    int defaultButton = 0;  // BUTTON:: code
    // Popup menu: the text it was built from ("&Add|~&Open|-|...")
    std::string menu;
    // File dialog
    std::string title;
    std::vector<FileFilter> filters;
    std::string fileName;  // the suggested name; the chosen one once answered
    bool save = false;     // a save dialog asks before overwriting an existing file
    // Printer set-up
    PrinterSettings printer;

    // The answer: the button code, the popup item number (0 none), for a file dialog
    // 1 chosen and 0 cancelled, for the printer 1 OK and 0 cancelled.
    int answer = 0;
    bool answered = false;
};

using DialogPtr = std::shared_ptr<Dialog>;

// Answers a dialog from any thread (a backend, a driver); the waiting thread goes on.
void answerDialog(const DialogPtr& dialog, int answer);

class Backend {
  public:
    virtual ~Backend() = default;

    virtual void windowOpened(Window& window) = 0;
    virtual void windowClosed(Window& window) = 0;
    // A control (0: the window itself) changed in any way: text, value, position, flags,
    // rows. The backend reads the model again.
    virtual void controlChanged(Window& window, int control) = 0;
    // A control was created (number > 0) or destroyed at run time.
    virtual void controlCreated(Window& window, int control) = 0;
    virtual void controlDestroyed(Window& window, int control) = 0;
    virtual void focusChanged(Window& window, int control) = 0;
    // The window's timer: hundredths of a second, 0 for none.
    virtual void timerChanged(Window& window, int hundredths) = 0;
    // True when time is the program's own and passes only while every procedure waits (the
    // headless backend); false when timers run on the wall clock.
    virtual bool keepsProgramTime() const { return false; }
    // How many rows of a list fit its height.
    virtual int visibleRows(const Window& window, int control) = 0;
    // Natural size of a picture (file name, or the bytes given) in the dialog units of
    // `window`, so that a control given that size shows the picture pixel for pixel (see
    // pixelsToDialogUnits); nullopt when it cannot be read.
    virtual std::optional<std::pair<int, int>> pictureSize(const Window& window,
                                                           const std::string& file,
                                                           const std::string& bytes) = 0;

    virtual void showDialog(const DialogPtr& dialog) = 0;
    // The main procedure has returned and every other thread has ended.
    virtual void programEnded() {}
    virtual void beep(int sound) = 0;
    virtual void setCursor(int cursor) = 0;
    // The program's own icon (a resource name such as "~APP.ICO"), shown where a window has
    // none of its own and by the desktop for the program.
    virtual void setProgramIcon(const std::string& /*name*/) {}
    // Puts text (in the Windows code page) on the system clipboard.
    virtual void setClipboardText(const std::string& /*text*/) {}
};

}  // namespace rt
