#include "windows/progress_window.h"

#include <map>
#include <memory>
#include <string>

namespace windows {

namespace {

rt::WindowSpec makeProgressWindow(std::string_view module) {
    rt::WindowSpec w;
    w.module = std::string(module);
    w.label = "ProgressWindow";
    w.title = "Progress...";
    w.at = {0, 0, 142, 59};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.systemMenu = false;  // Cancel is the only way to stop a pass
    w.timer = 1;

    rt::ControlSpec bar;
    bar.number = ProgressControl::Bar;
    bar.kind = rt::ControlKind::Progress;
    bar.at = {15, 15, 111, 12};
    bar.rangeLow = 0;
    bar.rangeHigh = 100;
    w.controls.push_back(bar);

    rt::ControlSpec heading;
    heading.number = ProgressControl::Heading;
    heading.kind = rt::ControlKind::String;
    heading.at = {0, 3, 141, 10};
    heading.align = rt::Align::Center;
    w.controls.push_back(heading);

    rt::ControlSpec percent;
    percent.number = ProgressControl::Percent;
    percent.kind = rt::ControlKind::String;
    percent.at = {0, 30, 141, 10};
    percent.align = rt::Align::Center;
    w.controls.push_back(percent);

    rt::ControlSpec cancel;
    cancel.number = ProgressControl::Cancel;
    cancel.kind = rt::ControlKind::Button;
    cancel.text = "Cancel";
    cancel.at = {45, 42, 50, 15};
    w.controls.push_back(cancel);
    return w;
}

}  // namespace

const rt::WindowSpec& progressWindow(std::string_view module) {
    // Procedures keep a reference to their window structure: each module's stays put.
    static std::map<std::string, std::unique_ptr<rt::WindowSpec>, std::less<>> byModule;
    auto it = byModule.find(module);
    if (it == byModule.end())
        it = byModule
                 .emplace(std::string(module),
                          std::make_unique<rt::WindowSpec>(makeProgressWindow(module)))
                 .first;
    return *it->second;
}

}  // namespace windows
