#pragma once
// Drives a program headless as a user would: waits for windows, reads controls, types,
// presses, chooses rows, answers message boxes (the steps of scenario_driver.h).

#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "drivers/headless_backend.h"
#include "drivers/scenario_driver.h"
#include "runtime/ui/window.h"

namespace rt {

class Driver : public ScenarioDriver {
  public:
    Driver();
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `programMain` headless on an application thread; returns when it waits.
    void start(std::function<void()> programMain) override;
    // Closes what is still open (close requests, message boxes answered with their
    // default) until the program ends; false when it would not end.
    bool finish() override;
    bool ended();

    void waitWindow(std::string_view title) override;
    void press(const ControlName& control) override;
    void type(const ControlName& control, std::string_view text) override;
    void choose(const ControlName& control, int row) override;
    void key(std::string_view keyName) override;
    void click(const ControlName& control, int row, std::string_view keyName) override;
    // A click on a region at x, y (dialog units from the top left of the client area).
    void clickAt(const ControlName& control, int x, int y, std::string_view keyName) override;
    void thumb(const ControlName& control, int position) override;
    // The dialog steps wait (letting timers run) until a dialog shows.
    void answer(std::string_view choice) override;  // message box button, popup item, file name
    void cancel() override;                         // the dialog showing is closed without a choice
    void expectMessage(std::string_view text) override;
    void expectText(const ControlName& control, std::string_view text) override;
    void expectRow(const ControlName& control, int row, std::string_view text) override;
    void expectRowCount(const ControlName& control, int count) override;  // rows the list holds
    void close() override;
    std::string dump() override;
    void timer() override;  // lets the next timer fire

    // Conveniences for tests written in C++.
    void press(std::string_view name) {
        press(ControlName{ControlName::By::TextOrField, 0, std::string(name)});
    }
    void press(int number) { press(ControlName{ControlName::By::Number, number, {}}); }
    void type(std::string_view name, std::string_view text) {
        type(ControlName{ControlName::By::TextOrField, 0, std::string(name)}, text);
    }
    void type(int number, std::string_view text) {
        type(ControlName{ControlName::By::Number, number, {}}, text);
    }
    std::string text(const ControlName& control);

    // The active window (read it only between steps); nullptr when none is open.
    Window* active();
    HeadlessBackend& backend() { return backend_; }
    // Waits until every application thread waits again.
    void settle();

  private:
    int resolve(Window& w, const ControlName& control);
    Window& activeOrFail();
    void noDialogShowing();
    std::vector<DialogPtr> waitForDialog();
    std::string fingerprint();
    template <typename Done>
    bool letTimePass(Done done);
    void deliver(Window& w, Input input);

    HeadlessBackend backend_;
    bool started_ = false;
    bool gaveUp_ = false;  // finish could not end the program; the destructor does not retry
};

// The control of `w` a step names; DriverError when none or more than one fits.
int findControl(Window& w, const ControlName& name);

// Runs `programMain` headless and follows the script, one step a line.
ScenarioResult runScenario(std::istream& script, std::function<void()> programMain,
                           std::string_view name = "scenario");

}  // namespace rt
