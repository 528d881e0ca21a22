#pragma once
// The steps a scenario file is made of, and what plays them: the headless driver
// (driver.h) works on the window models, the Qt driver (drivers/qt/qt_driver.h) on real
// widgets with real mouse and key events. Each step throws DriverError when it cannot be
// done.
//
// A control is named by its number, by its text (buttons, menu items, tool buttons, tabs,
// check boxes, radios; "&" ignored) or by the name of its bound variable ("MAI:FIRSTNAME").

#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>

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

class ScenarioDriver {
  public:
    virtual ~ScenarioDriver() = default;

    // Runs `programMain` on an application thread; returns when it waits.
    virtual void start(std::function<void()> programMain) = 0;
    // Closes what is still open (close requests, message boxes answered with their
    // default) until the program ends; false when it would not end.
    virtual bool finish() = 0;

    virtual void waitWindow(std::string_view title) = 0;
    virtual void press(const ControlName& control) = 0;
    virtual void type(const ControlName& control, std::string_view text) = 0;
    virtual void choose(const ControlName& control, int row) = 0;
    virtual void key(std::string_view keyName) = 0;
    virtual void click(const ControlName& control, int row, std::string_view keyName) = 0;
    // A click on a region at x, y (dialog units from the top left of the client area).
    virtual void clickAt(const ControlName& control, int x, int y, std::string_view keyName) = 0;
    virtual void thumb(const ControlName& control, int position) = 0;
    // The dialog steps wait until a dialog shows.
    virtual void answer(std::string_view choice) = 0;  // message box button, popup item, file
    virtual void cancel() = 0;                         // the dialog is closed without a choice
    virtual void expectMessage(std::string_view text) = 0;
    virtual void expectText(const ControlName& control, std::string_view text) = 0;
    virtual void expectRow(const ControlName& control, int row, std::string_view text) = 0;
    virtual void expectRowCount(const ControlName& control, int count) = 0;  // rows it holds
    virtual void close() = 0;
    virtual void timer() = 0;  // lets the next timer fire
    virtual std::string dump() = 0;
};

struct ScenarioResult {
    bool passed = false;
    int line = 0;        // the failing line, 0 when passed
    std::string report;  // "NAME passed", or the failing line, the reason and a dump
};

// Starts `programMain` with `driver` and follows the script, one step a line.
ScenarioResult runScenarioWith(ScenarioDriver& driver, std::istream& script,
                               std::function<void()> programMain,
                               std::string_view name = "scenario");

}  // namespace rt
