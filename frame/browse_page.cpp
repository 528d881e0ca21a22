// The list engine's paging: the page queue filled through the view, refills, locates, the
// scroll events and the scroll stops.
#include <algorithm>
#include <cmath>

#include "frame/browse_engine.h"
#include "frame/codes.h"
#include "frame/file_hooks.h"
#include "frame/open_data_file.h"
#include "frame/scroll_stops.h"
#include "frame/tagging.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"
#include "runtime/data/read_batch.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr const char* kQuickScanOn = "QUICKSCAN=on";
constexpr const char* kQuickScanOff = "QUICKSCAN=off";

}  // namespace

int BrowseProcedure::visible() {
    return std::max(1, window().visibleRows(sheet_.list));
}

BrowseProcedure::Row BrowseProcedure::rowFromRecord() {
    Row row;
    // Room for the list's own columns too, as wide as the widest row so far.
    row.fields.reserve(std::max(sheet_.columns.size() + 2, rowWidth_));
    const rt::RecordBuffer& buffer = file().buf();
    for (int field : sheet_.columns)
        row.fields.push_back(buffer.value(field));
    if (sheet_.tagging.table) {
        const bool mark = tagged();
        row.fields.emplace_back(std::string(mark ? "X" : " "));
        if (sheet_.tagging.iconColumn) row.fields.emplace_back(rt::Decimal(mark ? 1 : 0));
    }
    extraColumns(row.fields);
    rowWidth_ = std::max(rowWidth_, row.fields.size());
    row.position = view_->position();
    return row;
}

void BrowseProcedure::readFailure() {
    failed_ = true;
    const int code = rt::errorCode();
    ShowWarningText(WARN::RecordRetrievalError,
                    sheet_.displayName.empty() ? DisplayName(file()) : sheet_.displayName);
    if (code == rt::FileError::KeysMustBeRebuilt) {
        // Damaged keys stay damaged until rebuilt: the list offers it before it closes.
        view_->close();
        OfferKeyRebuild(file());
    }
    PostCloseWindow();
}

void BrowseProcedure::viewError() {
    ShowWarningPlain(WARN::ViewOpenError);
}

// Reads up to `count` rows from the page's edge in one direction; answers the rows the data
// did not have.
int BrowseProcedure::FillRows(int count, bool forward, bool fromEdge) {
    if (failed_) return count;
    // The rows of a fill are one run of reads: one read transaction, not one per record.
    rt::ReadBatch reads(file());
    TagReads marks(sheet_.tagging.table);
    const bool quick = sheet_.quickScanFills && count > 1;
    if (quick) file().send(kQuickScanOn);
    bool skipFirst = false;
    std::string edge;
    if (!rows_.empty() && fromEdge) {
        edge = forward ? rows_.back().position : rows_.front().position;
        view_->reset(edge);
        skipFirst = true;
    }
    const int page = visible();
    while (count > 0) {
        int code = forward ? view_->next() : view_->previous();
        if (code == rt::FileError::RecordNotAvailable) break;
        if (code != 0) {
            if (quick) file().send(kQuickScanOff);
            readFailure();
            return count;
        }
        if (skipFirst) {
            skipFirst = false;
            if (view_->position() == edge) continue;
        }
        if (!takes()) continue;
        if (static_cast<int>(rows_.size()) >= page) {
            if (forward) {
                rows_.erase(rows_.begin());
            } else {
                rows_.pop_back();
            }
        }
        if (forward)
            rows_.push_back(rowFromRecord());
        else
            rows_.insert(rows_.begin(), rowFromRecord());
        --count;
    }
    if (quick) file().send(kQuickScanOff);
    return count;
}

// OPEN of the view; when it fails (a filter that does not compile), the warning says that
// the filter is ignored, and so it is: the view opens without it.
void BrowseProcedure::openView() {
    if (view_->open() == 0) return;
    viewError();
    if (!view_->filter().empty()) {
        if (order_ >= 1) orders_[order_ - 1].filterIgnored = true;
        view_->setFilter({});
        view_->open();
    }
}

const std::string& BrowseProcedure::filterOf(const BrowseOrder& o) const {
    static const std::string none;
    return order_ >= 1 && orders_[order_ - 1].filterIgnored ? none : o.filter;
}

void BrowseProcedure::ResetView() {
    view_->close();
    const BrowseOrder& o = order();
    int code = o.key >= 0 ? file().set(o.key) : file().set();
    view_->setFilter(filterOf(o));
    if (code != 0) viewError();
    openView();
}

void BrowseProcedure::setHighlight(int row) {
    current_ = row;
    window().setProp(sheet_.list, PROP::SelectedRow, current_);
}

void BrowseProcedure::enableRowControls(bool on) {
    auto enable = [&](int control) {
        if (control) window().setProp(control, PROP::Disable, on ? 0 : 1);
    };
    enable(sheet_.buttons.change);
    enable(sheet_.buttons.remove);
    enable(sheet_.buttons.copy);
    for (int c : sheet_.rowControls)
        enable(c);
    for (const BrowseOrder& o : sheet_.orders)
        if (o.locator == LocatorKind::Entry) enable(o.entryControl);
}

void BrowseProcedure::RefreshPage(Refill mode) {
    refillPage(mode, false);
}

// `probeRead`: the located record was just read through the view and the page starts with
// it, so the fill goes on from there without seeking it again.
void BrowseProcedure::refillPage(Refill mode, bool probeRead) {
    if (failed_) return;
    TagReads marks(sheet_.tagging.table);
    rt::setCursor(CURSOR::Wait);
    std::string keep;
    if (mode == Refill::AroundRecord) {
        keep = view_->position();
        if (!probeRead) view_->reset(keep);
    } else if (!rows_.empty()) {
        const int row = current_ >= 1 && current_ <= rowCount() ? current_ : rowCount();
        keep = rows_[row - 1].position;
        view_->reset(rows_.front().position);
    } else {
        ResetView();
    }
    rows_.clear();
    current_ = 0;
    const bool forward = mode != Refill::LastPage;
    int missing;
    if (probeRead) {
        rows_.push_back(rowFromRecord());
        missing = FillRows(visible() - 1, true, /*fromEdge=*/false);
    } else {
        missing = FillRows(visible(), forward);
    }
    if (!keep.empty() && missing > 0 && !failed_) {
        if (rows_.empty()) ResetView();
        FillRows(missing, !forward);
    }
    if (!rows_.empty()) {
        int row = 0;
        if (!keep.empty()) {
            for (int i = 0; i < rowCount() && row == 0; ++i)
                if (rows_[i].position == keep) row = i + 1;
            if (row == 0) row = rowCount();
        } else {
            row = mode == Refill::LastPage ? rowCount() : 1;
        }
        setHighlight(row);
        RecordFromRow(row);
        enableRowControls(true);
    } else {
        file().clear();
        setHighlight(0);
        enableRowControls(false);
    }
    rt::setCursor(CURSOR::Normal);
}

void BrowseProcedure::LocateRecord(Locate mode) {
    if (failed_) return;
    view_->close();
    const BrowseOrder& o = order();
    int code = 0;
    if (o.key >= 0) {
        if (mode == Locate::ExactRecord)
            code = file().reset(file().position(o.key));
        else
            code = file().setFromBuffer(o.key);
    } else if (mode == Locate::ExactRecord) {
        code = file().set();
        if (code == 0) code = file().reset(file().position());
    } else {
        code = file().set();
    }
    view_->setFilter(filterOf(o));
    if (code != 0) viewError();
    openView();
    rows_.clear();
    current_ = 0;
    // The probe and the page fill after it are one run of sequential reads.
    rt::ReadBatch reads(file());
    TagReads marks(sheet_.tagging.table);
    const bool quick = sheet_.quickScanFills && visible() > 1;
    if (quick) file().send(kQuickScanOn);
    // A probe: is there a record at or after the place?
    int probe = 0;
    for (;;) {
        probe = view_->next();
        if (probe != 0 || takes()) break;
    }
    if (probe != 0 && probe != rt::FileError::RecordNotAvailable) {
        if (quick) file().send(kQuickScanOff);
        readFailure();
        return;
    }
    if (probe == 0)
        refillPage(Refill::AroundRecord, /*probeRead=*/true);
    else
        refillPage(Refill::LastPage, false);
    if (quick) file().send(kQuickScanOff);
    PostNewSelection();
}

void BrowseProcedure::ReadHighlightedRecord() {
    if (rows_.empty() || !view_->isOpen()) return;
    int selected = static_cast<int>(window().prop(sheet_.list, PROP::SelectedRow));
    if (selected >= 1 && selected <= rowCount()) current_ = selected;
    if (current_ < 1 || current_ > rowCount()) return;
    view_->watch();
    view_->reget(rows_[current_ - 1].position);
}

void BrowseProcedure::RecordFromRow(int row) {
    if (row < 1 || row > rowCount()) return;
    const Row& r = rows_[row - 1];
    for (std::size_t i = 0; i < sheet_.columns.size(); ++i)
        file().buf().setValue(sheet_.columns[i], r.fields[i]);
}

void BrowseProcedure::UpdateRowInPlace(int row) {
    if (row < 1 || row > rowCount()) return;
    std::string position = rows_[row - 1].position;
    rows_[row - 1] = rowFromRecord();
    rows_[row - 1].position = std::move(position);
    window().display(sheet_.list);
}

void BrowseProcedure::PostNewSelection() {
    if (newSelectionPosted_) return;
    newSelectionPosted_ = true;
    window().post(EVENT::NewSelection, sheet_.list);
}

// --- scrolling ---

void BrowseProcedure::plainThumb(bool backward, int missing) {
    if (rowCount() < visible())
        thumb_ = 0;
    else if (missing > 0)
        thumb_ = backward ? 0 : 100;
    else
        thumb_ = 50;
}

void BrowseProcedure::scroll(int event) {
    if (rows_.empty()) return;
    int selected = static_cast<int>(window().prop(sheet_.list, PROP::SelectedRow));
    if (selected >= 1 && selected <= rowCount()) current_ = selected;
    int missing = 0;
    bool backward = false;
    switch (event) {
        case EVENT::ScrollUp:
            backward = true;
            if (current_ > 1)
                --current_;
            else
                missing = FillRows(1, false);
            break;
        case EVENT::ScrollDown:
            if (current_ < rowCount())
                ++current_;
            else
                missing = FillRows(1, true);
            break;
        case EVENT::PageUp:
            backward = true;
            missing = FillRows(visible(), false);
            current_ = std::max(1, current_ - missing);
            break;
        case EVENT::PageDown: {
            missing = FillRows(visible(), true);
            current_ = std::min(rowCount(), current_ + missing);
            break;
        }
        case EVENT::ScrollTop:
        case EVENT::ScrollBottom:
            rows_.clear();
            ResetView();
            missing = FillRows(visible(), event == EVENT::ScrollTop);
            current_ = event == EVENT::ScrollTop ? 1 : rowCount();
            missing = 0;  // an end reached this way leaves the plain thumb in the middle
            break;
        default:
            return;
    }
    if (failed_) return;
    if (rows_.empty()) current_ = 0;
    current_ = std::clamp(current_, rows_.empty() ? 0 : 1, rowCount());
    setHighlight(current_);
    PostNewSelection();
    clearLocator();
    if (order().stops == StopKind::None) plainThumb(backward, missing);
}

void BrowseProcedure::DragThumb(int position) {
    window().setProp(sheet_.list, PROP::VerticalThumb, position);
    thumbDrag();
}

void BrowseProcedure::thumbDrag() {
    const int at = static_cast<int>(window().prop(sheet_.list, PROP::VerticalThumb));
    if (at <= 1) {
        window().post(EVENT::ScrollTop, sheet_.list);
        return;
    }
    if (at >= 100) {
        window().post(EVENT::ScrollBottom, sheet_.list);
        return;
    }
    const BrowseOrder& o = order();
    OrderState& s = orders_[order_ - 1];
    if (o.stops == StopKind::None || s.stops.size() < 100) return;
    const int field = keyField(o);
    if (field < 0) return;
    const rt::Value& stop = s.stops[at - 1];
    if (stop.isText())
        file().buf().setText(field, stop.text());
    else
        file().buf().setValue(field, stop);
    LocateRecord(Locate::ByKeyValue);
    thumb_ = at;
}

// --- scroll stops ---

void BrowseProcedure::ComputeScrollStops() {
    if (order_ < 1 || failed_) return;
    const BrowseOrder& o = order();
    const int field = keyField(o);
    if (o.stops == StopKind::None || field < 0) return;
    if (sheet_.quickScanStops) file().send(kQuickScanOn);
    TagReads marks(sheet_.tagging.table);  // show-tagged-only reads a mark per record
    auto readEnd = [&](bool last, rt::Value& value) {
        ResetView();
        int code;
        do {
            code = last ? view_->previous() : view_->next();
        } while (code == 0 && !takes());
        if (code == 0) value = file().buf().value(field);
        return code;
    };
    rt::Value high, low;
    int code = readEnd(true, high);
    if (code == 0) code = readEnd(false, low);
    if (code != 0) {
        if (sheet_.quickScanStops) file().send(kQuickScanOff);
        if (code != rt::FileError::RecordNotAvailable) readFailure();
        return;
    }
    OrderState& s = orders_[order_ - 1];
    if (sheet_.quickScanStops) file().send(kQuickScanOff);
    // The stops follow from the ends alone: unchanged ends keep the stops made for them.
    if (s.stops.size() == 100 && s.stopsLow == low && s.stopsHigh == high) return;
    s.stops.clear();
    s.stopsLow = low;
    s.stopsHigh = high;
    const rt::FieldDecl& decl = file().decl().fields()[field];
    if (o.stops == StopKind::Text) {
        InitStringScrollStops(low.asText(), high.asText(), decl.size, o.stopClasses, 0);
        for (int i = 0; i < 100; ++i) {
            std::string stop = NextStringScrollStop();
            stop.resize(decl.size, ' ');
            s.stops.emplace_back(std::move(stop));
        }
    } else {
        InitRealScrollStops(low.asNumber().toDouble(), high.asNumber().toDouble());
        rt::RecordBuffer scratch(file().decl());
        const bool whole = decl.type != rt::FieldType::Real &&
                           decl.type != rt::FieldType::Decimal &&
                           decl.type != rt::FieldType::PDecimal;
        for (int i = 0; i < 100; ++i) {
            double v = NextRealScrollStop();
            if (whole)
                scratch.setInteger(field, static_cast<long long>(std::trunc(v)));
            else
                scratch.setReal(field, v);
            s.stops.push_back(scratch.value(field));
        }
    }
}

void BrowseProcedure::thumbFromStops() {
    const BrowseOrder& o = order();
    const OrderState& s = orders_[order_ - 1];
    const int field = keyField(o);
    if (o.stops == StopKind::None || s.stops.size() < 100 || field < 0) return;
    const rt::Value value = file().buf().value(field);
    int k = 0;
    for (int i = 0; i < 100 && k == 0; ++i) {
        const rt::Value& stop = s.stops[i];
        bool atOrAbove =
            stop.isText() ? rt::compareText(rt::upper(stop.text()), rt::upper(value.asText())) >= 0
                          : stop.number() >= value.asNumber();
        if (atOrAbove) k = i + 1;
    }
    thumb_ = k == 0 ? 100 : (k == 1 ? 0 : k);
}
