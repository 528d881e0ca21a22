#include "frame/match_windows.h"

#include <algorithm>
#include <optional>
#include <string>

#include "frame/search_by_example_windows.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/window.h"

namespace {

using namespace windows::search_by_example;

// Every answer of a small window closes it; closing it otherwise counts as Cancel.
template <typename Handler>
int runWindow(rt::Window& w, int onClose, Handler handle) {
    int answer = onClose;
    while (w.accept()) {
        std::optional<int> done = handle(w);
        if (done) {
            answer = *done;
            w.close();
            break;
        }
    }
    return answer;
}

// What an upper limit that its entry's picture refuses must be instead.
std::string unreadableLimitText(std::string_view picture) {
    const char kind = picture.size() > 1 ? static_cast<char>(picture[1] | 0x20) : ' ';
    if (kind == 'd') return "The upper limit must be a date.";
    if (kind == 'n' || kind == 'e') return "The upper limit must be a number.";
    return "The upper limit cannot be read.";
}

}  // namespace

int SelectMatchType(FieldKind kind, int current) {
    using namespace MatchTypeControl;
    const FieldKindInfo info = DescribeFieldKind(kind);
    rt::Window w(matchTypeWindow());
    w.open();
    w.setProp(0, PROP::Text, info.title);
    // The offered types stand one under the other; the others are hidden.
    const rt::Rect first = w.position(FirstRadio);
    int y = first.y;
    for (int t = 0; t < MATCH::Count; ++t) {
        const bool offered =
            std::find(info.offered.begin(), info.offered.end(), t) != info.offered.end();
        if (!offered) {
            w.setProp(FirstRadio + t, PROP::Hide, 1);
            continue;
        }
        rt::Rect at = w.position(FirstRadio + t);
        at.y = y;
        w.setPosition(FirstRadio + t, at);
        y += at.height + 1;
    }
    rt::Rect group = w.position(Group);
    group.height = y - group.y + 4;
    w.setPosition(Group, group);
    rt::Rect frame = w.position(0);
    frame.height = group.y + group.height + 6;
    w.setPosition(0, frame);
    if (current < 0 || current >= MATCH::Count) current = 0;
    w.setProp(Group, PROP::Choice, current + 1);
    w.select(FirstRadio + current);
    return runWindow(w, -1, [&](rt::Window& win) -> std::optional<int> {
        const int control = win.accepted();
        if (control == Ok) return win.choice(Group) >= 1 ? win.choice(Group) - 1 : current;
        if (control == Cancel) return -1;
        return std::nullopt;
    });
}

int EnterUpperLimit(const rt::Value& lower, rt::Value& upper, std::string_view picture) {
    using namespace UpperLimitControl;
    const bool numbers = lower.isNumber() && upper.isNumber();
    rt::Value low = lower;
    rt::Value high = upper;
    auto above = [&](const rt::Value& a, const rt::Value& b) {
        if (numbers) return a.asNumber() > b.asNumber();
        return rt::compareText(a.asText(), b.asText()) > 0;
    };
    // The upper limit starts no lower than the lower one.
    if (above(low, high)) high = low;
    rt::Window w(upperLimitWindow(), [&](std::string_view name) -> rt::BindingPtr {
        if (name == "LOC:LowerLimit")
            return rt::bindFunctions(
                "LOC:LowerLimit", [&] { return low; }, [](const rt::Value&) {});
        if (name == "LOC:UpperLimit")
            return rt::bindFunctions(
                "LOC:UpperLimit", [&] { return high; },
                [&](const rt::Value& v) {
                    high = numbers ? rt::Value(v.asNumber()) : rt::Value(v.asText());
                });
        return nullptr;
    });
    w.setProp(Lower, PROP::Picture, picture);
    w.setProp(Upper, PROP::Picture, picture);
    w.open();
    w.display();
    w.select(Upper);
    return runWindow(w, 0, [&](rt::Window& win) -> std::optional<int> {
        if (win.event() == EVENT::Rejected && win.field() == Upper) {
            // The entry shows the limit kept before the refused text.
            rt::message(unreadableLimitText(picture), "", ICON::Exclamation);
            win.display(Upper);
            win.select(Upper);
            return std::nullopt;
        }
        const int control = win.accepted();
        if (control == Upper || control == Ok) {
            if (!above(high, low)) {
                rt::message("The upper limit must be greater than the lower limit.", "",
                            ICON::Exclamation);
                win.select(Upper);
                return std::nullopt;
            }
            if (control == Ok) {
                upper = high;
                return 1;
            }
        }
        if (control == Cancel) return 0;
        return std::nullopt;
    });
}

int BeginSearch(long tagTable, bool tableHasTags) {
    using namespace BeginSearchControl;
    if (tagTable == 0) return 1;
    rt::Window w(beginSearchWindow());
    w.open();
    if (!tableHasTags) {
        // "&Cancel" takes the place of "&Unselect"; the window narrows by one button.
        const rt::Rect unselect = w.position(Unselect);
        const rt::Rect cancel = w.position(Cancel);
        w.setProp(Unselect, PROP::Hide, 1);
        w.setPosition(Cancel, {unselect.x, cancel.y, cancel.width, cancel.height});
        rt::Rect frame = w.position(0);
        const int step = cancel.x - unselect.x;
        frame.x += step / 2;
        frame.width -= step;
        w.setPosition(0, frame);
    }
    w.select(Edit);
    return runWindow(w, 0, [&](rt::Window& win) -> std::optional<int> {
        switch (win.accepted()) {
            case Edit:
                return 1;
            case Select:
                return 2;
            case Unselect:
                return 3;
            case Cancel:
                return 0;
            default:
                return std::nullopt;
        }
    });
}
