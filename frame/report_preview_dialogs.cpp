// The small windows of the preview: jump to a page, change the display, page numbering.
#include <string>

#include "frame/report_preview.h"
#include "frame/report_preview_window.h"
#include "runtime/print/page_spool.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/window.h"

namespace {

constexpr std::string_view kPagePlaceholder = "Page xxxxx of xxxxx";

// A spin value typed outside its range is pulled to the nearest limit.
void pullToLimit(rt::Window& w, long& value) {
    int control = w.field();
    value = w.eventDetail() > 0 ? static_cast<long>(w.prop(control, PROP::RangeHigh))
                                : static_cast<long>(w.prop(control, PROP::RangeLow));
    w.display(control);
}

}  // namespace

long JumpToReportPage(long current, long total) {
    namespace C = windows::report_preview::JumpControl;
    long page = current;
    long answer = current;
    rt::Window w(windows::report_preview::jumpWindow());
    w.bind(C::Page, rt::bindLong("Page", page));
    w.open();
    w.setProp(C::Page, PROP::RangeLow, 1);
    w.setProp(C::Page, PROP::RangeHigh, total < 1 ? 1 : total);
    w.display();
    while (w.accept()) {
        if (w.event() == EVENT::Rejected && w.field() == C::Page && w.eventDetail() != 0) {
            pullToLimit(w, page);
            w.consume();
        } else if (w.accepted() == C::Ok) {
            answer = page;
            w.post(EVENT::CloseWindow);
        } else if (w.accepted() == C::Cancel) {
            answer = current;
            w.post(EVENT::CloseWindow);
        }
    }
    return answer;
}

long JumpToReportPageBasic(long current, long total) {
    return JumpToReportPage(current, total);
}

void ChangeReportDisplay(long& across, long& down) {
    namespace C = windows::report_preview::DisplayControl;
    rt::Window w(windows::report_preview::displayWindow());
    w.bind(C::Across, rt::bindLong("Across", across));
    w.bind(C::Down, rt::bindLong("Down", down));
    w.open();
    while (w.accept()) {
        if (w.event() == EVENT::Rejected && w.eventDetail() != 0) {
            pullToLimit(w, w.field() == C::Across ? across : down);
            w.consume();
        }
    }
}

void ChangeReportDisplayBasic(long& across, long& down) {
    ChangeReportDisplay(across, down);
}

void NumberReportPages(const rt::PageList& pages) {
    const std::string total = std::to_string(pages.names.size());
    for (std::size_t n = 0; n < pages.names.size(); ++n) {
        std::string text = "Page " + std::to_string(n + 1) + " of " + total;
        if (text.size() > kPagePlaceholder.size()) continue;
        std::size_t left = (kPagePlaceholder.size() - text.size()) / 2;
        std::string centred(left, ' ');
        centred += text;
        centred.resize(kPagePlaceholder.size(), ' ');
        rt::replaceTextInPage(pages.names[n], kPagePlaceholder, centred);
    }
}
