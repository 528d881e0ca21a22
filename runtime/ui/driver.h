#pragma once
// Drives a program headless as a user would: waits for windows, reads controls, types,
// presses, chooses rows, answers message boxes. Each step throws DriverError when it
// cannot be done; the scenario runner (runScenario) reads the same steps from a file.
//
// A control is named by its number, by its text (buttons, menu items, tool buttons, tabs,
// check boxes, radios; "&" ignored) or by the name of its bound variable ("MAI:FIRSTNAME").

#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ui/headless_backend.h"
#include "runtime/ui/window.h"

namespace rt {

class DriverError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// How a step names a control.
struct ControlName {
    enum class By { Number, Text, Field, TextOrField };
    By by = By::TextOrField;
    int number = 0;
    std::string name;
    static ControlName parse(std::string_view token);  // 12, "Text" (quoted), MAI:FIELD
    std::string describe() const;
};

class Driver {
  public:
    Driver();
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `programMain` headless on an application thread; returns when it waits.
    void start(std::function<void()> programMain);
    // Closes what is still open (close requests, message boxes answered with their
    // default) until the program ends; false when it would not end.
    bool finish();
    bool ended();

    void waitWindow(std::string_view title);
    void press(const ControlName& control);
    void type(const ControlName& control, std::string_view text);
    void choose(const ControlName& control, int row);
    void key(std::string_view keyName);
    void click(const ControlName& control, int row, std::string_view keyName);
    // A click on a region at x, y (dialog units from the top left of the client area).
    void clickAt(const ControlName& control, int x, int y, std::string_view keyName);
    void thumb(const ControlName& control, int position);
    // The dialog steps wait (letting timers run) until a dialog shows.
    void answer(std::string_view choice);  // message box button, popup item, file name
    void cancel();                         // the dialog showing is closed without a choice
    void expectMessage(std::string_view text);
    void expectText(const ControlName& control, std::string_view text);
    void expectRow(const ControlName& control, int row, std::string_view text);
    void expectRowCount(const ControlName& control, int count);  // rows the list holds
    void close();
    std::string dump();
    void timer();  // lets the next timer fire

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

struct ScenarioResult {
    bool passed = false;
    int line = 0;        // the failing line, 0 when passed
    std::string report;  // "NAME passed", or the failing line, the reason and a dump
};

// Runs `programMain` headless and follows the script, one step a line.
ScenarioResult runScenario(std::istream& script, std::function<void()> programMain,
                           std::string_view name = "scenario");

}  // namespace rt
