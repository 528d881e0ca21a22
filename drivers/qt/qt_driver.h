#pragma once
// Plays scenario steps on real widgets (scenario_driver.h): the program runs with the Qt
// backend, this thread is the GUI thread, and every step is what a user does with the mouse
// and the keyboard. `press` and `click` send mouse events to where the control stands in its
// window (the widget found there must be the control), `type` clicks into the field, sends
// key events and leaves the field with Tab (typed and accepted, as on the models), `expect`
// reads what the widget shows, and `expect row` also checks that the row is on the screen
// and not covered. Timers run in real time.

#include <QPoint>
#include <QString>
#include <istream>
#include <memory>
#include <string>

#include "drivers/scenario_driver.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/window_pictures.h"

class QWidget;

namespace rt::qt {

class QtDriver : public ScenarioDriver {
  public:
    QtDriver();  // on the GUI thread, with the QApplication made
    ~QtDriver() override;
    QtDriver(const QtDriver&) = delete;
    QtDriver& operator=(const QtDriver&) = delete;

    void start(std::function<void()> programMain) override;
    bool finish() override;
    bool ended();

    void waitWindow(std::string_view title) override;
    void press(const ControlName& control) override;
    void type(const ControlName& control, std::string_view text) override;
    void choose(const ControlName& control, int row) override;
    void key(std::string_view keyName) override;
    void click(const ControlName& control, int row, std::string_view keyName) override;
    void clickAt(const ControlName& control, int x, int y, std::string_view keyName) override;
    void thumb(const ControlName& control, int position) override;
    void answer(std::string_view choice) override;
    void cancel() override;
    void expectMessage(std::string_view text) override;
    void expectText(const ControlName& control, std::string_view text) override;
    void expectRow(const ControlName& control, int row, std::string_view text) override;
    void expectRowCount(const ControlName& control, int count) override;
    void close() override;
    void timer() override;
    std::string dump() override;

    // What the control shows, as `expect` reads it.
    std::string text(const ControlName& control);
    // The active model window (read it only between steps) and its frame.
    Window* active();
    QWidget* activeFrame();
    QtBackend& backend() { return *backend_; }
    // Waits until every application thread waits and the widgets have caught up.
    void settle();
    // Each window that the `window` step finds is also saved among `pictures` (make
    // screens); they outlive the driver, so one run of several scenarios names them all.
    void saveWindowsTo(WindowPictures* pictures) { pictures_ = pictures; }

  private:
    struct Target {
        Window* window = nullptr;
        int control = 0;
        QWidget* widget = nullptr;
    };
    Target target(const ControlName& name);
    QWidget* dialogShowing();
    void noDialogShowing();
    QWidget* waitForDialog();
    // A mouse click (or double click) at `at` in `widget`, sent to its window as the
    // window system would; the widget found there must be `widget` or one of its children.
    void clickWidget(QWidget* widget, QPoint at, int keyCode, const std::string& what);
    void activate(QWidget* topLevel);
    QWidget* typingTarget();
    void typeText(QWidget* into, const QString& text);

    std::unique_ptr<QtBackend> backend_;
    bool started_ = false;
    WindowPictures* pictures_ = nullptr;
};

// Runs `programMain` with the Qt backend and follows the script, one step a line, saving
// the windows it waits for among `pictures` when given. The QApplication must exist; this
// thread is its GUI thread.
ScenarioResult runQtScenario(std::istream& script, std::function<void()> programMain,
                             std::string_view name = "scenario",
                             WindowPictures* pictures = nullptr);

}  // namespace rt::qt
