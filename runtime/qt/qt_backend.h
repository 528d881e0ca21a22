#pragma once
// The Qt backend of the window model. The model calls it on application threads; it copies
// what changed and hands the copies to the GUI thread, which keeps one WindowView per open
// window and turns the user's input into Window::postInputIfOpen calls. The GUI thread never
// waits for an application thread.
//
//   QApplication app(argc, argv);        // or rt::qt::runQtProgram, which does all this
//   rt::qt::QtBackend backend;           // on the GUI thread
//   rt::Scheduler::instance().startProgram(backend, programMain);
//   app.exec();

#include <QWidget>
#include <functional>
#include <memory>

#include "runtime/ui/backend.h"
#include "runtime/ui/window.h"

class QAction;

namespace rt::qt {

class QtBackend : public Backend {
  public:
    QtBackend();  // on the GUI thread, with the QApplication made
    ~QtBackend() override;

    void windowOpened(Window& window) override;
    void windowClosed(Window& window) override;
    void controlChanged(Window& window, int control) override;
    void controlCreated(Window& window, int control) override;
    void controlDestroyed(Window& window, int control) override;
    void focusChanged(Window& window, int control) override;
    void timerChanged(Window& window, int hundredths) override;
    int visibleRows(const Window& window, int control) override;
    std::optional<std::pair<int, int>> pictureSize(const Window& window, const std::string& file,
                                                   const std::string& bytes) override;
    void showDialog(const DialogPtr& dialog) override;
    void beep(int sound) override;
    void setCursor(int cursor) override;
    void setProgramIcon(const std::string& name) override;
    void setClipboardText(const std::string& text) override;

    // --- GUI thread: the widgets of a model window (tests, tools); nullptr when the window
    // has no widgets (yet) ---
    QWidget* windowWidget(const Window* window) const;
    QWidget* clientArea(const Window* window) const;
    QWidget* controlWidget(const Window* window, int control) const;
    QAction* controlAction(const Window* window, int control) const;
    // Hands input to a window that is still open (any thread); a window that has closed,
    // or even been destroyed, gets nothing.
    void deliver(Window* window, Input input);

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

// Runs a program with the Qt backend: makes the QApplication on this (the main) thread,
// runs `programMain` on application thread 1 and the event loop here, and returns when the
// program has ended (0; 1 when the program could not start).
int runQtProgram(int argc, char** argv, std::function<void()> programMain);

}  // namespace rt::qt
