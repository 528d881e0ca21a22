#include "frame/tag_progress.h"

#include "frame/program_end.h"
#include "runtime/ui/codes.h"

namespace {

rt::WindowSpec progressWindow(const char* label) {
    rt::WindowSpec w;
    w.module = "S_TAG";
    w.label = label;
    w.title = "Progress...";
    w.at = {0, 0, 150, 64};
    w.centered = true;
    w.timer = 1;
    w.font = {"MS Sans Serif", 8};

    rt::ControlSpec bar;
    bar.number = TagProgress::Bar;
    bar.kind = rt::ControlKind::Progress;
    bar.at = {15, 15, 120, 12};
    bar.rangeLow = 0;
    bar.rangeHigh = 100;

    rt::ControlSpec first;
    first.number = TagProgress::FirstLine;
    first.kind = rt::ControlKind::String;
    first.at = {0, 3, 150, 10};
    first.align = rt::Align::Center;

    rt::ControlSpec second = first;
    second.number = TagProgress::SecondLine;
    second.at = {0, 30, 150, 10};

    rt::ControlSpec cancel;
    cancel.number = TagProgress::Cancel;
    cancel.kind = rt::ControlKind::Button;
    cancel.text = "Cancel";
    cancel.at = {45, 42, 60, 15};

    w.controls = {bar, first, second, cancel};
    return w;
}

}  // namespace

const rt::WindowSpec& tagCountingWindow() {
    static const rt::WindowSpec spec = progressWindow("P9$PROGRESSWINDOW");
    return spec;
}

const rt::WindowSpec& tagClearingWindow() {
    static const rt::WindowSpec spec = progressWindow("P4$PROGRESSWINDOW");
    return spec;
}

bool RunTagProgress(const rt::WindowSpec& spec, std::string_view firstLine, bool cancellable,
                    const std::function<bool(rt::Window&)>& step) {
    rt::Window window(spec);
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
