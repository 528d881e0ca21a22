// The preview window: the page grid, the zoomed page, marks, deletion and print ranges.
// PreviewReport and PreviewReportBasic are the one session below with the plain member's
// differences as options.
#include "frame/report_preview.h"

#include <algorithm>
#include <string>
#include <vector>

#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/report_preview_window.h"
#include "runtime/print/page_spool.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/window.h"

namespace {

namespace F = windows::report_preview::PreviewControl;
namespace B = windows::report_preview::BasicPreviewControl;
namespace R = windows::report_preview::RangeControl;

enum Mode { NoZoom = 1, PageWidth, Zoom50, Zoom75, Zoom100, Zoom200, Zoom300 };

// Page sizes in the window's units: 64 units to the inch keeps a page's shape.
constexpr int kUnitsPerInch = 64;
constexpr int kToolbarHeight = 18;

struct Slot {
    int region = 0, box = 0, image = 0;
};

class PreviewSession {
  public:
    PreviewSession(rt::PageList& pages, bool basic)
        : pages_(pages),
          basic_(basic),
          w_(basic ? windows::report_preview::basicPreviewWindow()
                   : windows::report_preview::previewWindow()) {}

    // Runs the preview; answers whether to print.
    bool run(std::string_view title, bool keepTitle);

  private:
    long pageCount() const { return static_cast<long>(pages_.names.size()); }
    int across() const { return basic_ ? B::Across : F::Across; }
    int down() const { return basic_ ? B::Down : F::Down; }
    int nextControl() const { return basic_ ? B::NextItem : F::Next; }
    int previousControl() const { return basic_ ? B::PreviousItem : F::Previous; }
    bool singlePageView() const { return mode_ != NoZoom || (across_ == 1 && down_ == 1); }

    void measurePage();
    void show();
    void showGrid();
    void showZoomed();
    void discardGrid();
    void discardZoomed();
    void markIndicator();
    void setStatus(int zone, const std::string& text);
    std::string pageText(long slots) const;
    void enable(int control, bool on) { w_.setProp(control, PROP::Disable, on ? 0 : 1); }

    void handle();
    void next();
    void previous();
    void zoomMenu();
    void toggleMark();
    void deletePage();
    void printOptions();
    void scroll(int prop, int by);

    rt::PageList& pages_;
    bool basic_;
    rt::Window w_;
    std::vector<bool> marks_;  // one per page, in page order
    long markedCount_ = 0;
    bool print_ = false;
    long from_ = 1, to_ = 1;
    long current_ = 1, across_ = 1, down_ = 1;
    int mode_ = NoZoom;
    double factor_ = 1.0;
    int pageWidth_ = 544, pageHeight_ = 704;
    double shape_ = 704.0 / 544.0;
    std::vector<Slot> slots_;
    long gridAcross_ = 0, gridDown_ = 0;
    Slot zoomed_;
    bool zoomedShown_ = false;
};

bool PreviewSession::run(std::string_view title, bool keepTitle) {
    marks_.assign(pages_.names.size(), false);
    if (!basic_) rt::setCursor(CURSOR::Wait);
    w_.bind(across(), rt::bindLong("Across", across_));
    w_.bind(down(), rt::bindLong("Down", down_));
    if (basic_) w_.bind(B::Page, rt::bindLong("Page", current_));
    w_.open();
    std::string caption(title);
    while (!caption.empty() && caption.back() == ' ')
        caption.pop_back();
    if (!keepTitle && !caption.empty()) w_.setProp(0, PROP::Text, caption);
    w_.setProp(0, PROP::MinWidth, 315);
    measurePage();
    current_ = 1;
    across_ = down_ = 1;
    mode_ = NoZoom;
    // A footer's "Page xxxxx of xxxxx" is filled in on every preview, the plain one too.
    NumberReportPages(pages_);
    if (basic_) {
        w_.setProp(B::Page, PROP::RangeLow, 1);
        w_.setProp(B::Page, PROP::RangeHigh, std::max(1L, pageCount()));
        w_.setProp(B::Page, PROP::Tip,
                   "Enter a page number from 1 to " + std::to_string(pageCount()));
        if (pageCount() <= 1)
            for (int c : {B::Page, B::Across, B::Down, B::ViewMenu})
                enable(c, false);
    } else {
        rt::setCursor(CURSOR::Normal);
    }
    show();
    while (w_.accept())
        handle();
    return print_;
}

void PreviewSession::measurePage() {
    if (pages_.names.empty()) return;
    rt::PageReadResult first = rt::readPage(pages_.names.front());
    if (!first.ok() || first.page.width <= 0 || first.page.height <= 0) return;
    pageWidth_ = first.page.width * kUnitsPerInch / 1000;
    pageHeight_ = first.page.height * kUnitsPerInch / 1000;
    shape_ = static_cast<double>(pageHeight_) / pageWidth_;
}

void PreviewSession::setStatus(int zone, const std::string& text) {
    w_.setStatus(zone, text);
}

std::string PreviewSession::pageText(long slots) const {
    long c = current_, n = pageCount();
    if (slots > 1 && c != n) {
        long last = std::min(c + slots - 1, n);
        return "Pages " + std::to_string(c) + "-" + std::to_string(last) + " of " +
               std::to_string(n);
    }
    return "Page " + std::to_string(c) + " of " + std::to_string(n);
}

void PreviewSession::show() {
    if (mode_ == NoZoom)
        showGrid();
    else
        showZoomed();
    if (basic_) {
        for (int m = NoZoom; m <= Zoom300; ++m)
            w_.setProp(B::NoZoomItem + m - 1, PROP::Checked, m == mode_ ? 1 : 0);
        w_.display(B::Page);
    }
}

void PreviewSession::discardGrid() {
    for (const Slot& s : slots_)
        for (int c : {s.image, s.box, s.region})
            w_.destroy(c);
    slots_.clear();
    gridAcross_ = gridDown_ = 0;
}

void PreviewSession::discardZoomed() {
    if (!zoomedShown_) return;
    for (int c : {zoomed_.image, zoomed_.box, zoomed_.region})
        if (c) w_.destroy(c);
    zoomed_ = {};
    zoomedShown_ = false;
}

void PreviewSession::showGrid() {
    discardZoomed();
    if (across_ != gridAcross_ || down_ != gridDown_) {
        discardGrid();
        for (long k = 0; k < across_ * down_; ++k) {
            Slot s;
            s.box = w_.create(rt::ControlKind::Box);
            w_.setProp(s.box, PROP::Background, 0xFFFFFF);
            s.image = w_.create(rt::ControlKind::Image);
            s.region = w_.create(rt::ControlKind::Region);
            slots_.push_back(s);
        }
        gridAcross_ = across_;
        gridDown_ = down_;
    }
    const long width = w_.prop(0, PROP::Width), height = w_.prop(0, PROP::Height);
    const long hg = (across_ - 1) * 3 + 2, vg = (down_ - 1) * 3 + 2;
    long sw = (width - hg) / across_, sh = (height - kToolbarHeight - vg) / down_;
    if (sw > 0 && shape_ <= static_cast<double>(sh) / sw)
        sh = static_cast<long>(sw * shape_);
    else
        sw = static_cast<long>(sh / shape_);
    for (long k = 0; k < static_cast<long>(slots_.size()); ++k) {
        const Slot& s = slots_[static_cast<std::size_t>(k)];
        long c = k % across_, r = k / across_;
        rt::Rect at{static_cast<int>(1 + c * (sw + 3)),
                    static_cast<int>(kToolbarHeight + 1 + r * (sh + 3)), static_cast<int>(sw),
                    static_cast<int>(sh)};
        long page = current_ + k;
        bool exists = page <= pageCount();
        for (int control : {s.box, s.image, s.region}) {
            w_.setPosition(control, at);
            w_.setProp(control, PROP::Hide, exists ? 0 : 1);
        }
        w_.setProp(s.image, PROP::PageFile,
                   exists ? pages_.names[static_cast<std::size_t>(page - 1)] : std::string());
    }
    const long slots = across_ * down_;
    if (pageCount() > 1) {
        enable(previousControl(), current_ != 1);
        enable(nextControl(), current_ + slots <= pageCount());
    }
    if (basic_) {
        setStatus(2, pageText(slots));
        setStatus(3, "No Zoom");
    } else {
        setStatus(5, pageText(slots));
        setStatus(2, "No Zoom");
        if (slots == 1) markIndicator();
    }
}

void PreviewSession::showZoomed() {
    discardGrid();
    const int width = static_cast<int>(w_.prop(0, PROP::Width));
    const int height = static_cast<int>(w_.prop(0, PROP::Height)) - kToolbarHeight;
    if (!zoomedShown_) {
        if (!basic_) {
            zoomed_.box = w_.create(rt::ControlKind::Box);
            w_.setProp(zoomed_.box, PROP::Background, 0xFFFFFF);
            w_.setPosition(zoomed_.box, {0, kToolbarHeight, width, height});
        }
        zoomed_.image = w_.create(rt::ControlKind::Image);
        zoomed_.region = w_.create(rt::ControlKind::Region);
        w_.setPosition(zoomed_.region, {0, kToolbarHeight, width, height});
        zoomedShown_ = true;
    }
    static const char* const kFullTexts[] = {"",
                                             "",
                                             "Page Width",
                                             "Zoom (50%%)",
                                             "Zoom (75%%)",
                                             "Zoom (100%%)",
                                             "Zoom (200%%)",
                                             "Zoom (300%%)"};
    static const char* const kBasicTexts[] = {"",
                                              "",
                                              "Zoom (Page Width)",
                                              "Zoom (50%)",
                                              "Zoom (75%)",
                                              "Zoom (100%)",
                                              "Zoom (200%)",
                                              "Zoom (300%)"};
    static const double kFactors[] = {0, 0, 0, 0.5, 0.75, 1.0, 2.0, 3.0};
    factor_ = mode_ == PageWidth ? static_cast<double>(width) / pageWidth_ : kFactors[mode_];
    long hScroll = w_.prop(zoomed_.image, PROP::HorizontalScroll);
    long vScroll = w_.prop(zoomed_.image, PROP::VerticalScroll);
    w_.setPosition(zoomed_.image, {0, kToolbarHeight, static_cast<int>(pageWidth_ * factor_),
                                   static_cast<int>(pageHeight_ * factor_)});
    w_.setProp(zoomed_.image, PROP::PageFile,
               current_ <= pageCount() ? pages_.names[static_cast<std::size_t>(current_ - 1)]
                                       : std::string());
    if (!basic_) {
        // Moving to another page keeps the part of the page in view.
        w_.setProp(zoomed_.image, PROP::HorizontalScroll, mode_ == PageWidth ? 0 : hScroll);
        w_.setProp(zoomed_.image, PROP::VerticalScroll, vScroll);
    }
    std::string page = "Page " + std::to_string(current_) + " of " + std::to_string(pageCount());
    if (basic_) {
        setStatus(2, page);
        setStatus(3, kBasicTexts[mode_]);
    } else {
        setStatus(5, page);
        setStatus(2, kFullTexts[mode_]);
        if (pageCount() > 1) {
            enable(F::Previous, current_ != 1);
            enable(F::Next, current_ != pageCount());
        }
        markIndicator();
    }
}

void PreviewSession::markIndicator() {
    bool marked =
        current_ >= 1 && current_ <= pageCount() && marks_[static_cast<std::size_t>(current_ - 1)];
    w_.setProp(F::Mark, PROP::Icon, marked ? "MARKED.ICO" : "UNMARKED.ICO");
    w_.setProp(F::Mark, PROP::Tip, marked ? "Unmark Page" : "Mark Page");
    setStatus(4, marked ? "Marked" : "");
}

void PreviewSession::next() {
    if (mode_ == NoZoom) {
        if (current_ + across_ * down_ <= pageCount()) current_ += across_ * down_;
    } else if (current_ < pageCount()) {
        ++current_;
    }
    show();
}

void PreviewSession::previous() {
    if (mode_ == NoZoom)
        current_ = std::max(1L, current_ - across_ * down_);
    else if (current_ > 1)
        --current_;
    show();
}

void PreviewSession::zoomMenu() {
    std::string menu = basic_ ? "-No Zoom|-|-Page Width|-50%|-75%|-100%|-200%|-300%"
                              : "-No Zoom|-|-Page Width|-50%%|-75%%|-100%%|-200%%|-300%%";
    // The current mode's item shows a check mark: its leading "-" becomes "+".
    int item = 0;
    for (std::size_t at = 0; at < menu.size(); at = menu.find('|', at) + 1) {
        bool separator = menu.compare(at, 2, "-|") == 0;
        if (!separator && ++item == mode_) {
            menu[at] = '+';
            break;
        }
        if (menu.find('|', at) == std::string::npos) break;
    }
    if (int chosen = rt::popup(menu)) {
        mode_ = chosen;
        show();
    }
}

void PreviewSession::toggleMark() {
    if (!singlePageView() || current_ < 1 || current_ > pageCount()) return;
    auto mark = marks_.begin() + (current_ - 1);
    *mark = !*mark;
    markedCount_ += *mark ? 1 : -1;
    markIndicator();
}

void PreviewSession::deletePage() {
    if (!singlePageView() || current_ < 1 || current_ > pageCount()) return;
    // The page stays in the report's spool until the report closes.
    std::size_t index = static_cast<std::size_t>(current_ - 1);
    if (marks_[index]) --markedCount_;
    marks_.erase(marks_.begin() + static_cast<long>(index));
    pages_.names.erase(pages_.names.begin() + static_cast<long>(index));
    if (current_ > 1) --current_;
    show();
}

void PreviewSession::printOptions() {
    long range = 1;
    rt::Window o(windows::report_preview::printRangeWindow());
    o.bind(R::From, rt::bindLong("From", from_));
    o.bind(R::To, rt::bindLong("To", to_));
    o.open();
    o.setProp(R::Range, PROP::Choice, range);
    if (markedCount_ > 0) {
        o.setProp(R::MarkedOnly, PROP::Disable, 0);
        o.setProp(R::UnmarkedOnly, PROP::Disable, 0);
    }
    for (int spin : {R::From, R::To})
        o.setProp(spin, PROP::RangeHigh, std::max(1L, pageCount()));
    bool chosen = false;
    // A page number typed past the last page is pulled back to it; the user is told what
    // prints then.
    bool pastTheEnd[2] = {false, false};
    auto rangeControls = [&] {
        range = o.choice(R::Range);
        for (int c : {R::From, R::To})
            o.setProp(c, PROP::Disable, range == 4 ? 0 : 1);
    };
    rangeControls();
    while (o.accept()) {
        rangeControls();
        if (o.event() == EVENT::Rejected && o.eventDetail() != 0) {
            long& value = o.field() == R::From ? from_ : to_;
            value = o.eventDetail() > 0 ? static_cast<long>(o.prop(o.field(), PROP::RangeHigh))
                                        : static_cast<long>(o.prop(o.field(), PROP::RangeLow));
            pastTheEnd[o.field() == R::From ? 0 : 1] = o.eventDetail() > 0;
            o.display(o.field());
            o.consume();
        } else if (o.accepted() == R::From || o.accepted() == R::To) {
            pastTheEnd[o.accepted() == R::From ? 0 : 1] = false;
        } else if (o.accepted() == R::Ok) {
            chosen = true;
            o.post(EVENT::CloseWindow);
        } else if (o.accepted() == R::Cancel) {
            chosen = false;
            o.post(EVENT::CloseWindow);
        }
    }
    print_ = chosen;
    if (print_ && range == 4 && (pastTheEnd[0] || pastTheEnd[1])) {
        const std::string pages = from_ > to_    ? "no page is"
                                  : from_ == to_ ? "page " + std::to_string(from_) + " is"
                                                 : "pages " + std::to_string(from_) + " to " +
                                                       std::to_string(to_) + " are";
        const std::string count =
            std::to_string(pageCount()) + (pageCount() == 1 ? " page" : " pages");
        rt::message("The report has " + count + ": " + pages + " printed.", "Print Options",
                    ICON::Exclamation);
    }
    if (!print_ || range == 1) return;
    for (long n = pageCount(); n >= 1; --n) {
        std::size_t index = static_cast<std::size_t>(n - 1);
        bool stays = range == 2   ? marks_[index]
                     : range == 3 ? !marks_[index]
                                  : (from_ <= n && n <= to_);
        if (stays) continue;
        // The page's bytes stay in the report's spool until the report closes.
        pages_.names.erase(pages_.names.begin() + static_cast<long>(index));
        marks_.erase(marks_.begin() + static_cast<long>(index));
    }
}

void PreviewSession::scroll(int prop, int by) {
    if (mode_ == NoZoom || !zoomedShown_) return;
    long at = w_.prop(zoomed_.image, prop) + by;
    w_.setProp(zoomed_.image, prop, std::max(0L, at));
}

void PreviewSession::handle() {
    const int event = w_.event();
    const int field = w_.field();
    if (event == EVENT::Sized) {
        show();
        return;
    }
    if (event == EVENT::Rejected &&
        (field == across() || field == down() || (basic_ && field == B::Page))) {
        long& value = field == across() ? across_ : field == down() ? down_ : current_;
        if (w_.eventDetail() != 0) {
            value = w_.eventDetail() > 0 ? static_cast<long>(w_.prop(field, PROP::RangeHigh))
                                         : static_cast<long>(w_.prop(field, PROP::RangeLow));
            if (field != B::Page || !basic_) mode_ = NoZoom;
            w_.consume();
            w_.display(field);
            show();
        }
        return;
    }
    if (event == EVENT::AlertKey) {
        switch (rt::keyCode()) {
            case KEY::PgUp:
                previous();
                break;
            case KEY::PgDn:
                next();
                break;
            case KEY::Down:
                if (!basic_) scroll(PROP::VerticalScroll, 51);
                break;
            case KEY::Up:
                if (!basic_) scroll(PROP::VerticalScroll, -51);
                break;
            case KEY::Left:
                if (!basic_) scroll(PROP::HorizontalScroll, -52);
                break;
            case KEY::Right:
                if (!basic_) scroll(PROP::HorizontalScroll, 52);
                break;
            default:
                break;
        }
        return;
    }
    // A new value in a spin box, typed or stepped.
    if (event == EVENT::NewSelection || event == EVENT::Accepted) {
        if (field == across() || field == down()) {
            mode_ = NoZoom;
            show();
            return;
        }
        if (basic_ && field == B::Page) {
            current_ = std::clamp(current_, 1L, std::max(1L, pageCount()));
            show();
            return;
        }
    }
    if (event != EVENT::Accepted) return;
    if (zoomedShown_ && field == zoomed_.region) {
        mode_ = NoZoom;
        show();
        return;
    }
    for (std::size_t k = 0; k < slots_.size(); ++k)
        if (field == slots_[k].region) {
            current_ += static_cast<long>(k);
            mode_ = PageWidth;
            show();
            return;
        }
    if (basic_) {
        switch (field) {
            case B::PrintItem:
            case B::Print:
                print_ = true;
                w_.post(EVENT::CloseWindow);
                break;
            case B::ExitItem:
            case B::Exit:
                w_.post(EVENT::CloseWindow);
                break;
            case B::NextItem:
                next();
                break;
            case B::PreviousItem:
                previous();
                break;
            case B::JumpItem:
                current_ = JumpToReportPageBasic(current_, pageCount());
                show();
                break;
            case B::DisplayItem:
                ChangeReportDisplayBasic(across_, down_);
                show();
                break;
            case B::Zoom:
                zoomMenu();
                break;
            default:
                if (field >= B::NoZoomItem && field <= B::Zoom300Item) {
                    mode_ = field - B::NoZoomItem + 1;
                    show();
                }
                break;
        }
        return;
    }
    switch (field) {
        case F::Print:
            printOptions();
            if (print_) w_.post(EVENT::CloseWindow);
            break;
        case F::Exit:
            print_ = false;
            w_.post(EVENT::CloseWindow);
            break;
        case F::First:
            current_ = 1;
            show();
            break;
        case F::Previous:
            previous();
            break;
        case F::Next:
            next();
            break;
        case F::Last:
            current_ = std::max(1L, pageCount());
            show();
            break;
        case F::Jump:
            current_ = JumpToReportPage(current_, pageCount());
            show();
            break;
        case F::Mark:
            toggleMark();
            break;
        case F::Delete:
            deletePage();
            break;
        case F::Zoom:
            zoomMenu();
            break;
        case F::Display:
            ChangeReportDisplay(across_, down_);
            show();
            break;
        default:
            break;
    }
}

}  // namespace

int PreviewReport(rt::PageList& pages, std::string_view title, bool keepTitle) {
    bool print = PreviewSession(pages, /*basic=*/false).run(title, keepTitle);
    GLO::Response = print ? RESP::Completed : RESP::Cancelled;
    return static_cast<int>(GLO::Response);
}

void PreviewReportBasic(rt::PageList& pages) {
    bool print = PreviewSession(pages, /*basic=*/true).run("", true);
    GLO::Response = print ? RESP::Completed : RESP::Cancelled;
}
