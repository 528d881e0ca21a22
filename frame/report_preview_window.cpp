#include "frame/report_preview_window.h"

#include <string>

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::report_preview {

namespace {

// A tool-bar button shows its icon; `message` is its status-bar message and tool tip.
rt::ControlStructure toolButton(int number, int x, std::string icon, std::string message) {
    rt::ControlStructure c = makeControl(number, rt::ControlKind::Button, {x, 2, 16, 16});
    c.toolbar = true;
    c.icon = std::move(icon);
    c.tip = std::move(message);
    return c;
}

rt::ControlStructure spin(int number, rt::Rect at, std::string picture, long low, long high,
                          std::string message) {
    rt::ControlStructure c = makeControl(number, rt::ControlKind::Spin, at);
    c.picture = std::move(picture);
    c.rangeLow = low;
    c.rangeHigh = high;
    c.step = 1;
    c.tip = std::move(message);
    return c;
}

rt::WindowStructure previewFrame(std::string label) {
    rt::WindowStructure w;
    w.module = "Tovik_VW";
    w.label = std::move(label);
    w.title = "Report Preview";
    w.at = {0, 0, 640, 400};
    w.frame = rt::FrameKind::Resizable;
    w.resizable = true;
    w.maximizeBox = true;
    w.maximized = true;
    w.background = 0xC0C0C0;
    w.font = {"MS Sans Serif", 8};
    w.toolbar = {0, 0, 640, 20};
    return w;
}

rt::WindowStructure makePreviewWindow() {
    namespace C = PreviewControl;
    rt::WindowStructure w = previewFrame("PreviewWindow");
    w.statusZones = {150, 50, 50, 50, 0};
    w.alertKeys = {KEY::Right, KEY::Left, KEY::Down, KEY::Up, KEY::PgDn, KEY::PgUp};
    w.controls.push_back(toolButton(C::Print, 2, "PRINT.ICO", "Print The Report"));
    w.controls.push_back(toolButton(C::Exit, 20, "EXIT.ICO", "Exit Without Printing Report"));
    // A button without picture, message or action: it keeps its place in the tool bar
    // (a gap between the exit and the page buttons) but is neither shown nor pressed.
    rt::ControlStructure spare = toolButton(C::Spare, 38, "", "");
    spare.hidden = true;
    spare.disabled = true;
    w.controls.push_back(spare);
    w.controls.push_back(toolButton(C::First, 56, "VCRFIRST.ICO", "Go To First Page"));
    w.controls.push_back(toolButton(C::Previous, 74, "VCRPRIOR.ICO", "Previous Page"));
    w.controls.push_back(toolButton(C::Next, 92, "VCRNEXT.ICO", "Next Page"));
    w.controls.push_back(toolButton(C::Last, 110, "VCRLAST.ICO", "Go To Last Page"));
    w.controls.push_back(toolButton(C::Jump, 128, "JUMP.ICO", "Jump To Page ??"));
    rt::ControlStructure mark = toolButton(C::Mark, 146, "UNMARKED.ICO", "Mark Page For Printing");
    mark.tip = "Mark / Unmark Page For Printing";
    w.controls.push_back(mark);
    w.controls.push_back(toolButton(C::Delete, 164, "DELETE.ICO", "Delete Page"));
    w.controls.push_back(toolButton(C::Zoom, 182, "ZOOM.ICO", "Zoom in on a page "));
    w.controls.push_back(toolButton(C::Display, 200, "THUMBS.ICO", ""));
    rt::ControlStructure across =
        makeControl(C::AcrossPrompt, rt::ControlKind::Prompt, {222, 5, 28, 10}, "&Across:");
    across.toolbar = true;
    w.controls.push_back(across);
    rt::ControlStructure acrossSpin =
        spin(C::Across, {252, 3, 26, 13}, "@N2", 1, 10, "Select the number of thumbnails in a row");
    acrossSpin.toolbar = true;
    w.controls.push_back(acrossSpin);
    rt::ControlStructure down =
        makeControl(C::DownPrompt, rt::ControlKind::Prompt, {284, 5, 24, 10}, "&Down:");
    down.toolbar = true;
    w.controls.push_back(down);
    rt::ControlStructure downSpin = spin(C::Down, {310, 3, 26, 13}, "@n2", 1, 10,
                                         "Select the number of thumbnails in a column");
    downSpin.toolbar = true;
    w.controls.push_back(downSpin);
    return w;
}

rt::WindowStructure makeBasicPreviewWindow() {
    namespace C = BasicPreviewControl;
    rt::WindowStructure w = previewFrame("BasicPreviewWindow");
    w.statusZones = {0, 90, 70};
    w.alertKeys = {KEY::PgDn, KEY::PgUp};
    auto menu = [&](int number, std::string text) {
        w.controls.push_back(makeControl(number, rt::ControlKind::Menu, {}, std::move(text)));
    };
    auto item = [&](int number, int parent, std::string text, std::string message,
                    bool check = false) {
        rt::ControlStructure c = makeControl(number, rt::ControlKind::Item, {}, std::move(text));
        c.parent = parent;
        c.tip = std::move(message);
        c.checkItem = check;
        w.controls.push_back(c);
    };
    menu(C::FileMenu, "&File");
    item(C::PrintItem, C::FileMenu, "&Print", "Print the report");
    item(C::ExitItem, C::FileMenu, "E&xit", "Exit without printing the report");
    menu(C::ViewMenu, "&View");
    item(C::NextItem, C::ViewMenu, "&Next Page(s)", "View the next page or pages of the report");
    item(C::PreviousItem, C::ViewMenu, "&Previous Page(s)",
         "View the next page or pages of the report");
    w.controls.back().disabled = true;
    item(C::JumpItem, C::ViewMenu, "&Jump to a page", "Jump to a specific page of the report");
    item(C::DisplayItem, C::ViewMenu, "&Change Display", "Change the number of pages displayed");
    menu(C::ZoomMenu, "&Zoom");
    const char* zooms[] = {"No &Zoom",     "Page &Width",  "&50 Percent", "&75 Percent",
                           "&100 Percent", "&200 Percent", "&300 Percent"};
    for (int i = 0; i < 7; ++i)
        item(C::NoZoomItem + i, C::ZoomMenu, zooms[i], "", /*check=*/true);

    w.controls.push_back(toolButton(C::Print, 2, "PRINT.ICO", "Print this report"));
    w.controls.push_back(toolButton(C::Exit, 20, "EXIT.ICO", "Exit without printing the report"));
    w.controls.push_back(toolButton(C::Zoom, 38, "ZOOM.ICO", "Zoom in on a page of the report"));
    auto prompt = [&](int number, std::string text, int x) {
        rt::ControlStructure c =
            makeControl(number, rt::ControlKind::Prompt, {x, 5, 26, 10}, std::move(text));
        c.toolbar = true;
        w.controls.push_back(c);
    };
    auto toolSpin = [&](int number, int x, std::string picture, long high) {
        rt::ControlStructure c = spin(number, {x, 3, 30, 13}, std::move(picture), 1, high, "");
        c.toolbar = true;
        w.controls.push_back(c);
    };
    prompt(C::PagePrompt, "&Page:", 60);
    toolSpin(C::Page, 88, "@n4", 9999);
    prompt(C::AcrossPrompt, "&Across:", 124);
    toolSpin(C::Across, 152, "@N2", 10);
    prompt(C::DownPrompt, "&Down:", 188);
    toolSpin(C::Down, 216, "@n2", 10);
    return w;
}

rt::WindowStructure makePrintRangeWindow() {
    namespace C = RangeControl;
    rt::WindowStructure w;
    w.module = "Tovik_VW";
    w.label = "PrintOptionsWindow";
    w.title = "Print Options";
    w.at = {0, 0, 160, 120};
    w.frame = rt::FrameKind::Single;
    w.font = {"MS Sans Serif", 8};
    w.controls.push_back(
        makeControl(C::Range, rt::ControlKind::Option, {6, 4, 148, 66}, "Print Ranges"));
    auto radio = [&](int number, std::string text, int y, std::string tip, bool disabled) {
        rt::ControlStructure c =
            makeControl(number, rt::ControlKind::Radio, {14, y, 120, 11}, std::move(text));
        c.parent = C::Range;
        c.tip = std::move(tip);
        c.disabled = disabled;
        w.controls.push_back(c);
    };
    radio(C::AllPages, "All Pages", 14, "Print All Pages", false);
    radio(C::MarkedOnly, "Marked Pages Only", 27, "Print Mark Pages Only", true);
    radio(C::UnmarkedOnly, "Unmarked Pages Only", 40, "Print Unmarked Pages Only", true);
    radio(C::PageRange, "Range of Pages", 53, "Print A Range Of Pages", false);
    w.controls.push_back(
        makeControl(C::FromPrompt, rt::ControlKind::Prompt, {14, 76, 24, 10}, "From:"));
    w.controls.push_back(spin(C::From, {40, 75, 34, 12}, "N_3B", 1, 999, "Select Starting Page"));
    w.controls.push_back(
        makeControl(C::ToPrompt, rt::ControlKind::Prompt, {84, 76, 16, 10}, "To:"));
    w.controls.push_back(spin(C::To, {102, 75, 34, 12}, "N_3B", 1, 999, "Select Ending Page"));
    rt::ControlStructure ok = makeControl(C::Ok, rt::ControlKind::Button, {20, 98, 55, 14}, "OK");
    ok.isDefault = true;
    w.controls.push_back(ok);
    w.controls.push_back(
        makeControl(C::Cancel, rt::ControlKind::Button, {85, 98, 55, 14}, "Cancel"));
    return w;
}

rt::WindowStructure makeJumpWindow() {
    namespace C = JumpControl;
    rt::WindowStructure w;
    w.module = "Tovik_VW";
    w.label = "JumpWindow";
    w.title = "Jump to a Report Page";
    w.at = {0, 0, 130, 56};
    w.frame = rt::FrameKind::Double;
    w.font = {"MS Sans Serif", 8};
    w.controls.push_back(
        makeControl(C::PagePrompt, rt::ControlKind::Prompt, {8, 10, 26, 10}, "&Page:"));
    w.controls.push_back(
        spin(C::Page, {36, 8, 40, 12}, "@n5", 1, 1, "Select a page of the report"));
    rt::ControlStructure ok = makeControl(C::Ok, rt::ControlKind::Button, {8, 34, 50, 14}, "OK");
    ok.isDefault = true;
    ok.tip = "Jump to the selected page";
    w.controls.push_back(ok);
    rt::ControlStructure cancel =
        makeControl(C::Cancel, rt::ControlKind::Button, {70, 34, 50, 14}, "Cancel");
    cancel.tip = "Cancel this selection";
    w.controls.push_back(cancel);
    return w;
}

rt::WindowStructure makeDisplayWindow() {
    namespace C = DisplayControl;
    rt::WindowStructure w;
    w.module = "Tovik_VW";
    w.label = "DisplayWindow";
    w.title = "Change the Report Display";
    w.at = {0, 0, 130, 76};
    w.frame = rt::FrameKind::Double;
    w.font = {"MS Sans Serif", 8};
    w.controls.push_back(
        makeControl(C::Pages, rt::ControlKind::Group, {4, 2, 122, 50}, "Pages Displayed"));
    w.controls.push_back(
        makeControl(C::AcrossGroup, rt::ControlKind::Group, {10, 12, 52, 32}, "Across"));
    w.controls.push_back(spin(C::Across, {18, 24, 34, 12}, "@N2", 1, 10, ""));
    w.controls.push_back(
        makeControl(C::DownGroup, rt::ControlKind::Group, {68, 12, 52, 32}, "Down"));
    w.controls.push_back(spin(C::Down, {76, 24, 34, 12}, "@N2", 1, 10, ""));
    rt::ControlStructure ok = makeControl(C::Ok, rt::ControlKind::Button, {40, 56, 50, 14}, "OK");
    ok.isDefault = true;
    ok.action = rt::StandardAction::Close;
    w.controls.push_back(ok);
    return w;
}

}  // namespace

const rt::WindowStructure& previewWindow() {
    static const rt::WindowStructure structure = makePreviewWindow();
    return structure;
}

const rt::WindowStructure& basicPreviewWindow() {
    static const rt::WindowStructure structure = makeBasicPreviewWindow();
    return structure;
}

const rt::WindowStructure& printRangeWindow() {
    static const rt::WindowStructure structure = makePrintRangeWindow();
    return structure;
}

const rt::WindowStructure& jumpWindow() {
    static const rt::WindowStructure structure = makeJumpWindow();
    return structure;
}

const rt::WindowStructure& displayWindow() {
    static const rt::WindowStructure structure = makeDisplayWindow();
    return structure;
}

}  // namespace windows::report_preview
