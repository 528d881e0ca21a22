#include "frame/select_date.h"

#include <string>

#include "frame/calendar_month.h"
#include "frame/calendar_window.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/window.h"

namespace {

using namespace windows::calendar;

void show(rt::Window& w, const CalendarMonth& month) {
    for (int row = 1; row <= 6; ++row)
        for (int part = 0; part < (row == 6 ? 2 : 3); ++part)
            w.setProp(calendarRowControl(row, part), PROP::Text, month.rowText(row, part));
    w.setProp(CalendarControl::Highlight, PROP::Xpos, month.highlightX());
    w.setProp(CalendarControl::Highlight, PROP::Ypos, month.highlightY());
    w.display(CalendarControl::CurrentDate);
}

}  // namespace

long DateAfterCalendar(long chosen, long previous) {
    return chosen == 0 ? previous : chosen;
}

long SelectDate(std::string_view caption, int keepTitle, long startDate, int openOnToday) {
    CalendarMonth month(startDate, openOnToday != 0);
    long current = month.current();
    rt::Window w(calendarWindow(), [&](std::string_view name) -> rt::BindingPtr {
        if (name == "LOC:CurrentDate") return rt::bindLong("LOC:CurrentDate", current);
        return nullptr;
    });
    w.open();
    if (keepTitle == 0 && !rt::clip(caption).empty())
        w.setProp(0, PROP::Text, std::string(rt::clip(caption)));
    show(w, month);

    bool cancelled = false;
    while (w.accept()) {
        bool moved = false;
        bool done = false;
        if (w.event() == EVENT::AlertKey) {
            switch (rt::keyCode()) {
                case KEY::Esc:
                    cancelled = done = true;
                    break;
                case KEY::Enter:
                    done = true;
                    break;
                case KEY::Left:
                    month.left();
                    moved = true;
                    break;
                case KEY::Right:
                    month.right();
                    moved = true;
                    break;
                case KEY::Up:
                    month.up();
                    moved = true;
                    break;
                case KEY::Down:
                    month.down();
                    moved = true;
                    break;
                case KEY::Home:
                    month.home();
                    moved = true;
                    break;
                case KEY::PgUp:
                    month.previousMonth();
                    moved = true;
                    break;
                case KEY::PgDn:
                    month.nextMonth();
                    moved = true;
                    break;
                case KEY::CtrlPgUp:
                    month.previousYear();
                    moved = true;
                    break;
                case KEY::CtrlPgDn:
                    month.nextYear();
                    moved = true;
                    break;
                default:
                    break;
            }
        } else if (w.event() == EVENT::MouseUp && w.field() == CalendarControl::Grid) {
            switch (month.releaseAt(w.mouseX(), w.mouseY())) {
                case CalendarMonth::Release::Moved:
                    moved = true;
                    break;
                case CalendarMonth::Release::Confirmed:
                    done = true;
                    break;
                case CalendarMonth::Release::Ignored:
                    break;
            }
        } else if (w.event() == EVENT::Accepted) {
            switch (w.field()) {
                case CalendarControl::Ok:
                    done = true;
                    break;
                case CalendarControl::Cancel:
                    cancelled = done = true;
                    break;
                case CalendarControl::Today:
                    month.goToday();
                    moved = true;
                    break;
                case CalendarControl::PreviousMonth:
                    month.previousMonth();
                    moved = true;
                    break;
                case CalendarControl::NextMonth:
                    month.nextMonth();
                    moved = true;
                    break;
                default:
                    break;
            }
        }
        if (moved) {
            current = month.current();
            show(w, month);
        }
        if (done) {
            w.close();
            break;
        }
        w.display(CalendarControl::CurrentDate);
    }
    return cancelled ? 0 : month.current();
}
