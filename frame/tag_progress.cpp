#include "frame/tag_progress.h"

#include "frame/program_end.h"
#include "runtime/ui/codes.h"

namespace {

rt::WindowStructure progressWindow(const char* label) {
    rt::WindowStructure w;
    w.module = "S_TAG";
    w.label = label;
    w.title = "Progress...";
    w.at = {0, 0, 150, 64};
    w.centered = true;
    w.timer = 1;
    w.font = {"MS Sans Serif", 8};

    rt::ControlStructure bar;
    bar.number = TagProgress::Bar;
    bar.kind = rt::ControlKind::Progress;
    bar.at = {15, 15, 120, 12};
    bar.rangeLow = 0;
    bar.rangeHigh = 100;

    rt::ControlStructure first;
    first.number = TagProgress::FirstLine;
    first.kind = rt::ControlKind::String;
    first.at = {0, 3, 150, 10};
    first.align = rt::Align::Center;

    rt::ControlStructure second = first;
    second.number = TagProgress::SecondLine;
    second.at = {0, 30, 150, 10};

    rt::ControlStructure cancel;
    cancel.number = TagProgress::Cancel;
    cancel.kind = rt::ControlKind::Button;
    cancel.text = "Cancel";
    cancel.at = {45, 42, 60, 15};

    w.controls = {bar, first, second, cancel};
    return w;
}

}  // namespace

const rt::WindowStructure& tagCountingWindow() {
    static const rt::WindowStructure structure = progressWindow("P9$PROGRESSWINDOW");
    return structure;
}

const rt::WindowStructure& tagClearingWindow() {
    static const rt::WindowStructure structure = progressWindow("P4$PROGRESSWINDOW");
    return structure;
}

bool RunTagProgress(const rt::WindowStructure& structure, std::string_view firstLine,
                    bool cancellable, const std::function<bool(rt::Window&)>& step) {
    rt::Window window(structure);
    window.setProp(TagProgress::FirstLine, PROP::Text, firstLine);
    window.setProp(TagProgress::Cancel, PROP::Hide, cancellable ? 0 : 1);
    window.open();
    bool done = false;
    while (window.accept()) {
        RethrowPendingHalt();
        switch (window.event()) {
            case EVENT::Timer:
                if (step(window)) {
                    done = true;
                    window.close();
                }
                break;
            case EVENT::Accepted:
                if (window.field() == TagProgress::Cancel && cancellable) window.close();
                break;
            case EVENT::CloseWindow:
                // Counting cannot stop half-way: its window refuses to close.
                if (!cancellable) window.consume();
                break;
            default:
                break;
        }
    }
    return done;
}
