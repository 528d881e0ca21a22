#include "frame/progress_window.h"

#include <map>
#include <memory>
#include <string>

namespace windows {

namespace {

rt::WindowStructure makeProgressWindow(std::string_view module) {
    rt::WindowStructure w;
    w.module = std::string(module);
    w.label = "ProgressWindow";
    w.title = "Progress...";
    w.at = {0, 0, 142, 59};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.systemMenu = false;  // Cancel is the only way to stop a pass
    w.timer = 1;

    rt::ControlStructure bar;
    bar.number = ProgressControl::Bar;
    bar.kind = rt::ControlKind::Progress;
    bar.at = {15, 15, 111, 12};
    bar.rangeLow = 0;
    bar.rangeHigh = 100;
    w.controls.push_back(bar);

    rt::ControlStructure heading;
    heading.number = ProgressControl::Heading;
    heading.kind = rt::ControlKind::String;
    heading.at = {0, 3, 141, 10};
    heading.align = rt::Align::Center;
    w.controls.push_back(heading);

    rt::ControlStructure percent;
    percent.number = ProgressControl::Percent;
    percent.kind = rt::ControlKind::String;
    percent.at = {0, 30, 141, 10};
    percent.align = rt::Align::Center;
    w.controls.push_back(percent);

    rt::ControlStructure cancel;
    cancel.number = ProgressControl::Cancel;
    cancel.kind = rt::ControlKind::Button;
    cancel.text = "Cancel";
    cancel.at = {45, 42, 50, 15};
    w.controls.push_back(cancel);
    return w;
}

}  // namespace

const rt::WindowStructure& progressWindow(std::string_view module) {
    // Procedures keep a reference to their window structure: each module's stays put.
    static std::map<std::string, std::unique_ptr<rt::WindowStructure>, std::less<>> byModule;
    auto it = byModule.find(module);
    if (it == byModule.end())
        it = byModule
                 .emplace(std::string(module),
                          std::make_unique<rt::WindowStructure>(makeProgressWindow(module)))
                 .first;
    return *it->second;
}

}  // namespace windows
