#include "frame/calendar_window.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::calendar {

namespace {

constexpr int kDarkBlue = 0x000080;
constexpr int kRed = 0xFF0000;
constexpr int kWhite = 0xFFFFFF;

rt::WindowStructure makeCalendarWindow() {
    using namespace CalendarControl;
    rt::WindowStructure w;
    w.module = "Tovik_SF";
    w.label = "CalendarWindow";
    w.title = "Calendar";
    w.at = {0, 0, 125, 103};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.systemMenu = false;
    w.font = {"System", 0};  // no face of its own: laid out in the system font
    w.alertKeys = {KEY::Esc,  KEY::Enter,    KEY::Down, KEY::Right,    KEY::Up,  KEY::Left,
                   KEY::Home, KEY::CtrlPgDn, KEY::PgDn, KEY::CtrlPgUp, KEY::PgUp};

    rt::ControlStructure frame = makeControl(DateFrame, rt::ControlKind::Entry, {5, 3, 84, 11});
    frame.disabled = true;
    w.controls.push_back(frame);
    rt::ControlStructure date = makeControl(CurrentDate, rt::ControlKind::String, {6, 4, 82, 9});
    date.use = "LOC:CurrentDate";
    date.picture = "@d4";
    date.align = rt::Align::Center;
    date.font = {"Arial", 8, /*bold=*/true};
    date.transparent = true;
    w.controls.push_back(date);

    const char* headings[] = {"Sun", "Mon", "Tue", "Wed", "Thr", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i) {
        rt::ControlStructure h =
            makeControl(FirstHeading + i, rt::ControlKind::String, {5 + 12 * i, 17, 12, 8});
        h.text = headings[i];
        // The system font fills a column with "Wed" and runs it into "Thr": the names stand
        // in the face of the date above, each centred in its column.
        h.font = {"Arial", 8};
        h.align = rt::Align::Center;
        if (i == 0 || i == 6) h.font.color = kDarkBlue;
        w.controls.push_back(h);
    }
    w.controls.push_back(makeControl(HeadingLine, rt::ControlKind::Line, {5, 25, 84, 0}));

    for (int row = 1; row <= 6; ++row) {
        const int y = 27 + 12 * (row - 1) + 2;
        for (int part = 0; part < (row == 6 ? 2 : 3); ++part) {
            const int x = part == 0 ? 5 : (part == 1 ? 17 : 77);
            const int width = part == 1 && row != 6 ? 60 : 12;
            rt::ControlStructure t = makeControl(calendarRowControl(row, part),
                                                 rt::ControlKind::String, {x, y, width, 9});
            t.font = {"Fixedsys", 9};
            if (part != 1) t.font.color = kDarkBlue;
            t.transparent = true;
            w.controls.push_back(t);
        }
    }

    rt::ControlStructure box = makeControl(Highlight, rt::ControlKind::Box, {5, 27, 12, 12});
    box.font.color = kRed;
    box.background = kWhite;
    w.controls.push_back(box);
    w.controls.push_back(makeControl(Grid, rt::ControlKind::Region, {5, 27, 84, 72}));

    rt::ControlStructure ok = makeControl(Ok, rt::ControlKind::Button, {93, 4, 28, 14});
    ok.text = "&OK";
    ok.isDefault = true;
    w.controls.push_back(ok);
    rt::ControlStructure cancel = makeControl(Cancel, rt::ControlKind::Button, {93, 21, 28, 14});
    cancel.text = "&Cancel";
    w.controls.push_back(cancel);
    rt::ControlStructure today = makeControl(Today, rt::ControlKind::Button, {93, 38, 28, 14});
    today.text = "&Today";
    w.controls.push_back(today);
    rt::ControlStructure previous =
        makeControl(PreviousMonth, rt::ControlKind::Button, {93, 60, 13, 13});
    previous.text = "<";
    previous.tip = "Previous month";
    w.controls.push_back(previous);
    rt::ControlStructure next = makeControl(NextMonth, rt::ControlKind::Button, {108, 60, 13, 13});
    next.text = ">";
    next.tip = "Next month";
    w.controls.push_back(next);
    return w;
}

}  // namespace

int calendarRowControl(int row, int part) {
    return CalendarControl::FirstRowText + (row - 1) * 3 + part;
}

const rt::WindowStructure& calendarWindow() {
    static const rt::WindowStructure structure = makeCalendarWindow();
    return structure;
}

}  // namespace windows::calendar
