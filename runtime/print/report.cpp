#include "runtime/print/report.h"

#include <algorithm>

#include "runtime/print/printer.h"
#include "runtime/system/picture.h"
#include "runtime/text/picture.h"

namespace rt {
namespace {

constexpr int kCheckBoxSide = 110;
constexpr int kCheckBoxGap = 50;
constexpr int kScreenDotsPerInch = 96;  // the natural size of a picture given in pixels

std::string formatted(const Value& value, const std::string& picture) {
    return picture.empty() ? value.asText() : format(value, picture);
}

bool isSet(const Value& value) {
    if (value.isNumber()) return !value.number().isZero();
    return value.text().find_first_not_of(' ') != std::string::npos;
}

}  // namespace

Report::Report(ReportStructure structure) : s_(std::move(structure)) {
    paper_ = s_.paper ? *s_.paper : printer().paper();
    breaks_.resize(s_.breaks.size());
    for (ReportBand* band : allBands())
        for (const ReportControl& c : band->controls)
            if (c.kind == ReportControlKind::Image && !c.imageFile.empty()) {
                std::string ignored;
                setImageFile(c.id, c.imageFile, ignored);
            }
}

std::vector<ReportBand*> Report::allBands() {
    std::vector<ReportBand*> bands;
    for (auto* band : {&s_.pageHeader, &s_.pageFooter, &s_.form})
        if (*band) bands.push_back(&**band);
    for (ReportBand& band : s_.details)
        bands.push_back(&band);
    for (BreakGroup& group : s_.breaks) {
        if (group.header) bands.push_back(&*group.header);
        if (group.footer) bands.push_back(&*group.footer);
    }
    return bands;
}

Report::~Report() {
    if (open_) {
        printPreviewed_ = false;
        std::string ignored;
        close(ignored);
    }
}

ReportControl* Report::control(int id) {
    for (ReportBand* band : allBands())
        for (ReportControl& c : band->controls)
            if (c.id == id) return &c;
    return nullptr;
}

ReportBand* Report::band(int id) {
    for (ReportBand* band : allBands())
        if (band->id == id) return band;
    return nullptr;
}

bool Report::setImage(int controlId, std::span<const std::uint8_t> bytes, std::string& error) {
    images_.erase(controlId);
    const ReportControl* c = control(controlId);
    if (!c || c->kind != ReportControlKind::Image) {
        error = "no image control " + std::to_string(controlId);
        return false;
    }
    if (bytes.empty()) return true;  // an empty BLOB: no picture
    PictureResult decoded = decodePicture(bytes);
    if (!decoded.ok()) {
        error = decoded.error;
        return false;
    }
    images_[controlId] = {std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                          decoded.picture.width, decoded.picture.height};
    return true;
}

bool Report::setImageFile(int controlId, const std::filesystem::path& file, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(file, bytes)) {
        images_.erase(controlId);
        error = "cannot read picture file " + file.string();
        return false;
    }
    return setImage(controlId, bytes, error);
}

void Report::clearImage(int controlId) {
    images_.erase(controlId);
}

bool Report::open(std::string& error) {
    if (open_) return true;
    if (!spool_.create(error)) return false;
    open_ = true;
    ownQueue_.names.clear();
    pagesPrinted_.clear();
    sums_.clear();
    breaks_.assign(s_.breaks.size(), BreakState{});
    page_.reset();
    pageNumber_ = 0;
    return true;
}

const ReportBand* Report::findFlowBand(int id) const {
    for (const ReportBand& band : s_.details)
        if (band.id == id) return &band;
    for (const BreakGroup& group : s_.breaks) {
        if (group.header && group.header->id == id) return &*group.header;
        if (group.footer && group.footer->id == id) return &*group.footer;
    }
    return nullptr;
}

bool Report::print(int bandId) {
    if (!open_) return false;
    const ReportBand* target = findFlowBand(bandId);
    if (!target) return false;
    bool isDetail = false;
    for (const ReportBand& band : s_.details)
        isDetail = isDetail || band.id == bandId;
    if (isDetail) {
        checkBreaks(bandId);
        tally(bandId);
    }
    return placeBand(*target);
}

void Report::checkBreaks(int detailId) {
    std::vector<std::size_t> groups;  // the detail's groups, outermost first
    for (std::size_t i = 0; i < s_.breaks.size(); ++i)
        for (int id : s_.breaks[i].details)
            if (id == detailId) groups.push_back(i);
    std::size_t changed = groups.size();
    std::vector<Value> values(groups.size());
    for (std::size_t n = 0; n < groups.size(); ++n) {
        const BreakGroup& group = s_.breaks[groups[n]];
        values[n] = group.variable ? group.variable() : Value();
        const BreakState& state = breaks_[groups[n]];
        if (changed == groups.size() && (!state.started || !(state.last == values[n]))) changed = n;
    }
    if (changed == groups.size()) return;
    for (std::size_t n = groups.size(); n-- > changed;) {
        BreakState& state = breaks_[groups[n]];
        if (state.started) placeGroupBand(s_.breaks[groups[n]].footer);
        state.started = false;
    }
    for (std::size_t n = changed; n < groups.size(); ++n) {
        BreakState& state = breaks_[groups[n]];
        state.started = true;
        state.last = values[n];
        resetSums(SumReset::Break, s_.breaks[groups[n]].id);
        placeGroupBand(s_.breaks[groups[n]].header);
    }
}

bool Report::placeGroupBand(const std::optional<ReportBand>& band) {
    return band ? placeBand(*band) : true;
}

void Report::tally(int detailId) {
    for (ReportBand* band : allBands())
        for (const ReportControl& c : band->controls) {
            if (c.kind != ReportControlKind::Sum || !c.value) continue;
            bool counts = c.tallyBands.empty();
            for (int id : c.tallyBands)
                counts = counts || id == detailId;
            if (counts) sums_[c.id] += c.value().asNumber();
        }
}

void Report::resetSums(SumReset reset, int breakId) {
    for (ReportBand* band : allBands())
        for (const ReportControl& c : band->controls)
            if (c.kind == ReportControlKind::Sum && c.reset == reset &&
                (reset != SumReset::Break || c.resetBreak == breakId))
                sums_.erase(c.id);
}

int Report::usableHeight() const {
    // A band never runs past the bottom of the paper, whatever the area says.
    const int toBottom = paper_.height - s_.area.y;
    return std::min(s_.area.height, toBottom);
}

bool Report::placeBand(const ReportBand& band) {
    // A band without a width of its own is as wide as the area: one to a row.
    const int width = band.at.width > 0 ? band.at.width : s_.area.width;
    const int height = std::max(band.at.height, band.minHeight);
    if (!page_) {
        if (!startPage()) return false;
    } else if (cursorX_ > 0 && cursorX_ + width > s_.area.width) {
        cursorY_ += rowHeight_;
        cursorX_ = 0;
        rowHeight_ = 0;
    }
    if (cursorY_ + height > usableHeight() && (cursorX_ > 0 || cursorY_ > 0)) {
        if (!finishPage() || !startPage()) return false;
    }
    drawBand(band, s_.area.x + cursorX_ + band.at.x, s_.area.y + cursorY_ + band.at.y);
    cursorX_ += width;
    rowHeight_ = std::max(rowHeight_, height);
    return true;
}

bool Report::startPage() {
    page_.emplace();
    page_->width = paper_.width;
    page_->height = paper_.height;
    ++pageNumber_;
    resetSums(SumReset::Page, 0);
    cursorX_ = cursorY_ = rowHeight_ = 0;
    if (s_.form) drawBand(*s_.form, s_.form->at.x, s_.form->at.y);
    if (s_.pageHeader) drawBand(*s_.pageHeader, s_.pageHeader->at.x, s_.pageHeader->at.y);
    return true;
}

bool Report::finishPage() {
    if (!page_) return true;
    if (s_.pageFooter) drawBand(*s_.pageFooter, s_.pageFooter->at.x, s_.pageFooter->at.y);
    std::string error;
    const bool written = spool_.append(*page_, error);
    page_.reset();
    if (!written) {
        lastError_ = error;
        return false;
    }
    (queue_ ? static_cast<PreviewQueue&>(*queue_) : ownQueue_)
        .add(spool_.pageName(spool_.pageCount() - 1));
    return true;
}

bool Report::endPage() {
    if (!open_) return false;
    return finishPage();
}

bool Report::finish() {
    if (!open_) return false;
    for (std::size_t n = s_.breaks.size(); n-- > 0;) {
        if (breaks_[n].started) placeGroupBand(s_.breaks[n].footer);
        breaks_[n].started = false;
    }
    return finishPage();
}

bool Report::close(std::string& error) {
    if (!open_) return true;
    bool ok = true;
    if (printPreviewed_ && page_ && !finishPage()) {
        // The page being filled could not be kept: printing the others would pass it over.
        error = lastError_;
        ok = false;
    } else if (printPreviewed_) {
        std::vector<std::string> listed;
        for (std::string name : (queue_ ? *queue_ : ownQueue_).entries()) {
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            if (!name.empty()) listed.push_back(std::move(name));
        }
        ok = printer().printPages(listed, error);
        if (ok) pagesPrinted_ = indexesOf(listed);
    }
    page_.reset();
    spool_.remove();
    open_ = false;
    return ok;
}

std::vector<int> Report::indexesOf(const std::vector<std::string>& names) const {
    const std::vector<std::string> all = pageNames();
    std::vector<int> indexes;
    for (const std::string& name : names) {
        const auto at = std::find(all.begin(), all.end(), name);
        if (at != all.end()) indexes.push_back(static_cast<int>(at - all.begin()));
    }
    return indexes;
}

std::vector<std::string> Report::pageNames() const {
    std::vector<std::string> names;
    names.reserve(spool_.pageCount());
    for (std::size_t n = 0; n < spool_.pageCount(); ++n)
        names.push_back(spool_.pageName(n));
    return names;
}

void Report::drawBand(const ReportBand& band, int originX, int originY) {
    for (const ReportControl& c : band.controls)
        drawControl(c, originX, originY);
}

void Report::drawControl(const ReportControl& c, int ox, int oy) {
    const int x = ox + c.at.x;
    const int y = oy + c.at.y;
    auto text = [&](std::string content, bool wrap = false) {
        PageText t;
        t.x = x, t.y = y, t.width = c.at.width, t.height = c.at.height;
        t.align = c.align;
        t.font = c.font ? *c.font : s_.font;
        t.colour = c.colour;
        t.background = c.background;
        t.wrap = wrap;
        t.text = std::move(content);
        page_->items.emplace_back(std::move(t));
    };
    switch (c.kind) {
        case ReportControlKind::String:
            text(c.value ? formatted(c.value(), c.picture) : std::string());
            break;
        case ReportControlKind::Text:
            text(c.text);
            break;
        case ReportControlKind::Memo:
            text(c.value ? c.value().asText() : std::string(), true);
            break;
        case ReportControlKind::PageNumber:
            text(formatted(Value(pageNumber_), c.picture));
            break;
        case ReportControlKind::Sum: {
            auto sum = sums_.find(c.id);
            text(formatted(Value(sum == sums_.end() ? Decimal(0) : sum->second), c.picture));
            break;
        }
        case ReportControlKind::Line:
            page_->items.emplace_back(
                PageLine{x, y, x + c.at.width, y + c.at.height, c.lineWidth, c.colour});
            break;
        case ReportControlKind::Box:
            page_->items.emplace_back(PageBox{x, y, c.at.width, c.at.height, c.lineWidth, c.colour,
                                              c.background, c.rounded});
            break;
        case ReportControlKind::CheckBox: {
            const int side = kCheckBoxSide;
            page_->items.emplace_back(PageBox{x, y, side, side, 0, c.colour, kTransparent, false});
            if (c.value && isSet(c.value())) {
                page_->items.emplace_back(PageLine{x, y, x + side, y + side, 0, c.colour});
                page_->items.emplace_back(PageLine{x, y + side, x + side, y, 0, c.colour});
            }
            if (!c.text.empty()) {
                PageText caption;
                caption.x = x + side + kCheckBoxGap, caption.y = y;
                caption.font = c.font ? *c.font : s_.font;
                caption.colour = c.colour;
                caption.text = c.text;
                page_->items.emplace_back(std::move(caption));
            }
            break;
        }
        case ReportControlKind::Image: {
            auto image = images_.find(c.id);
            if (image == images_.end()) break;
            PageImage item;
            item.x = x, item.y = y;
            item.width =
                c.at.width > 0 ? c.at.width : image->second.width * 1000 / kScreenDotsPerInch;
            item.height =
                c.at.height > 0 ? c.at.height : image->second.height * 1000 / kScreenDotsPerInch;
            item.data = image->second.bytes;
            page_->items.emplace_back(std::move(item));
            break;
        }
    }
}

}  // namespace rt
