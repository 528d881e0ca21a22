#include "runtime/qt/qt_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_keys.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/text/codepage.h"
#include "runtime/ui/codes.h"

namespace rt::qt {
namespace {

Qt::Alignment alignmentOf(Align a) {
    switch (a) {
        case Align::Right:
        case Align::Decimal:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Draws a cell's text, which may use `room` pixels of its column (its padding included). A
// left-aligned text too wide for that is cut at the column's end, keeping its start. A
// right-aligned or centred one would lose its start: it is drawn smaller, down to
// kSmallestFit of its size, so that it stands whole with a pixel to spare, and one too wide
// even so keeps its start as a left-aligned one does.
void drawCellText(QPainter& p, const QRect& cell, int room, Qt::Alignment align,
                  const QString& text) {
    if (!(align & Qt::AlignLeft) && p.fontMetrics().horizontalAdvance(text) > room) {
        const int fit = room - 1;
        QFont font = p.font();
        int size = QFontInfo(font).pixelSize();
        const int smallest = std::max(1, static_cast<int>(size * kSmallestFit));
        font.setPixelSize(size);
        while (size > smallest && QFontMetrics(font).horizontalAdvance(text) > fit)
            font.setPixelSize(--size);
        p.setFont(font);
        if (p.fontMetrics().horizontalAdvance(text) > fit)
            align = (align & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
    p.drawText(cell, align | Qt::TextDontClip, text);
}

QString qs(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}

// A cell's text without the blanks a text picture pads it with (they would push a
// right-aligned text out of its column).
QString cellText(const std::string& s) {
    QString text = qs(s);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

constexpr int kBorderReach = 3;  // pixels either side of a column border that grab it
constexpr int kNarrowest = 4;    // a dragged column keeps this many pixels

}  // namespace

ListView::ListView(QWidget* parent, int number, Send send)
    : QAbstractScrollArea(parent), number_(number), send_(std::move(send)) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kListFrameWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);  // the cursor shows where a column border is
    connect(horizontalScrollBar(), &QAbstractSlider::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, 100);
    bar->setPageStep(10);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (!updating_) scrollAction(action);
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this] {
        Input in;
        in.kind = Input::Kind::Thumb;
        in.control = number_;
        in.number = verticalScrollBar()->sliderPosition();
        if (scrollsItself())
            scrollItselfTo(in.number * std::max(0, rowCount() - rowsThatFit()) / 100);
        send_(in);
    });
}

bool ListView::scrollsItself() const {
    return rowCount() > rowsThatFit();
}

int ListView::rowsThatFit() const {
    int top = hasHeaders() ? listHeaderHeight(font()) : 0;
    return std::max(1, (viewport()->height() - top) / listRowHeight(font()));
}

void ListView::scrollItselfTo(int first) {
    const int last = std::max(0, rowCount() - rowsThatFit());
    first_ = std::clamp(first, 0, last);
    updating_ = true;
    verticalScrollBar()->setValue(last == 0 ? 0 : first_ * 100 / last);
    updating_ = false;
    viewport()->update();
}

void ListView::scrollAction(int action) {
    // A list that scrolls itself moves its rows; the procedure hears of the scrolling as from
    // any list (a procedure that pages never gives more rows than fit).
    const bool itself = scrollsItself();
    if (itself) {
        const int page = rowsThatFit();
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                scrollItselfTo(first_ - 1);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                scrollItselfTo(first_ + 1);
                break;
            case QAbstractSlider::SliderPageStepSub:
                scrollItselfTo(first_ - page);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                scrollItselfTo(first_ + page);
                break;
            default:
                break;
        }
    }
    Input in;
    in.control = number_;
    auto key = [&](int code) {
        Input focus;
        focus.kind = Input::Kind::Focus;
        focus.control = number_;
        send_(focus);
        in.kind = Input::Kind::Key;
        in.key = code;
        send_(in);
    };
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            in.kind = Input::Kind::Wheel;
            in.number = 1;
            send_(in);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            in.kind = Input::Kind::Wheel;
            in.number = -1;
            send_(in);
            break;
        case QAbstractSlider::SliderPageStepSub:
            key(KEY::PgUp);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            key(KEY::PgDn);
            break;
        default:
            return;  // the thumb is reported when it is let go
    }
    if (itself) return;
    // The thumb stays where the procedure put it.
    QTimer::singleShot(0, this, [this] {
        updating_ = true;
        verticalScrollBar()->setValue(data_.thumb);
        updating_ = false;
    });
}

void ListView::setData(const ControlData& data, const DialogUnits& units) {
    if (data.listIcons != data_.listIcons || icons_.empty()) {
        icons_.clear();
        for (const auto& [number, picture] : data.listIcons)
            icons_[number] = loadIcon(picture);
    }
    const bool newSelection = data.selectedRow != data_.selectedRow;
    bool newColumns = data.structure.format != widthsFormat_ ||
                      data.listFormat.columns.size() != widths_.size() ||
                      units.charWidth != units_.charWidth;
    data_ = data;
    units_ = units;
    if (newColumns) {
        widthsFormat_ = data.structure.format;
        widths_.clear();
        for (const ListColumn& c : data_.listFormat.columns)
            widths_.push_back(std::max(0, units_.x(c.width)));
        // No column follows the last one, so it can be as wide as its header without moving
        // any other: scrolled to the right end, its header shows whole.
        if (!widths_.empty() && widths_.back() > 0) {
            const QString header = cellText(data_.listFormat.columns.back().header);
            widths_.back() = std::max(widths_.back(), fontMetrics().horizontalAdvance(header) + 6);
        }
    }
    refreshHorizontalBar();
    updating_ = true;
    setVerticalScrollBarPolicy(data_.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!verticalScrollBar()->isSliderDown()) verticalScrollBar()->setValue(data_.thumb);
    updating_ = false;
    if (scrollsItself()) {
        // A row newly selected comes into view.
        const int selected = data_.selectedRow;
        int first = first_;
        if (newSelection && selected >= 1 && selected <= first) first = selected - 1;
        if (newSelection && selected > first + rowsThatFit()) first = selected - rowsThatFit();
        scrollItselfTo(first);
    } else {
        first_ = 0;
    }
    viewport()->update();
}

QIcon ListView::rowIcon(int row, int column) const {
    if (row < 1 || row > static_cast<int>(data_.rowIcons.size())) return {};
    const auto& numbers = data_.rowIcons[static_cast<std::size_t>(row - 1)];
    if (column < 0 || column >= static_cast<int>(numbers.size())) return {};
    auto it = icons_.find(numbers[static_cast<std::size_t>(column)]);
    return it == icons_.end() ? QIcon() : it->second;
}

std::vector<std::string> ListView::rowTexts(int row) const {
    if (row < 1 || row > rowCount()) return {};
    return data_.rows[static_cast<std::size_t>(row - 1)];
}

bool ListView::hasHeaders() const {
    return std::any_of(data_.listFormat.columns.begin(), data_.listFormat.columns.end(),
                       [](const ListColumn& c) { return !c.header.empty(); });
}

std::vector<std::pair<int, int>> ListView::columnSpans() const {
    std::vector<std::pair<int, int>> spans;
    int x = -horizontalScrollBar()->value();
    int total = viewport()->width();
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        int w = widths_[i];
        // The last column (and one without a width) reaches the list's right edge.
        if (i + 1 == widths_.size() || w <= 0) w = std::max(w, total - x);
        spans.emplace_back(x, w);
        x += w;
    }
    if (spans.empty()) spans.emplace_back(0, total);
    return spans;
}

int ListView::columnsWidth() const {
    int sum = 0;
    for (int w : widths_)
        sum += std::max(w, 0);
    return sum;
}

void ListView::refreshHorizontalBar() {
    QScrollBar* bar = horizontalScrollBar();
    int hidden = std::max(0, columnsWidth() - viewport()->width());
    bar->setRange(0, hidden);
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(std::max(1, units_.x(4)));
}

int ListView::borderAt(QPoint point) const {
    if (!hasHeaders() || point.y() >= listHeaderHeight(font())) return -1;
    auto spans = columnSpans();
    for (std::size_t i = 0; i < spans.size() && i < widths_.size(); ++i) {
        int border = spans[i].first + spans[i].second;
        if (std::abs(point.x() - border) <= kBorderReach) return static_cast<int>(i);
    }
    return -1;
}

void ListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    refreshHorizontalBar();
    scrollItselfTo(scrollsItself() ? first_ : 0);
}

QRect ListView::rowRect(int row) const {
    int top = hasHeaders() ? listHeaderHeight(font()) : 0;
    int h = listRowHeight(font());
    return QRect(0, top + (row - 1 - first_) * h, viewport()->width(), h);
}

int ListView::rowAt(QPoint point) const {
    int top = hasHeaders() ? listHeaderHeight(font()) : 0;
    if (point.y() < top) return 0;
    int row = (point.y() - top) / listRowHeight(font()) + 1 + first_;
    return row <= rowCount() ? row : 0;
}

void ListView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    auto spans = columnSpans();
    const auto& columns = data_.listFormat.columns;
    int pad = 2;
    if (hasHeaders()) {
        int hh = listHeaderHeight(font());
        p.fillRect(QRect(0, 0, viewport()->width(), hh), palette().button());
        p.setPen(palette().color(QPalette::ButtonText));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            QRect cell(spans[i].first + pad, 0, spans[i].second - 2 * pad, hh);
            Align a = columns[i].headerAlignGiven ? columns[i].headerAlign : columns[i].align;
            p.save();
            p.setClipRect(QRect(spans[i].first, 0, spans[i].second, hh));
            p.drawText(cell, alignmentOf(a) | Qt::TextDontClip, cellText(columns[i].header));
            p.restore();
            p.setPen(palette().color(QPalette::Mid));
            p.drawLine(spans[i].first + spans[i].second - 1, 0,
                       spans[i].first + spans[i].second - 1, hh - 1);
            p.setPen(palette().color(QPalette::ButtonText));
        }
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(0, hh - 1, viewport()->width(), hh - 1);
    }
    for (int row = first_ + 1; row <= rowCount(); ++row) {
        QRect r = rowRect(row);
        if (r.top() > viewport()->height()) break;
        bool selected = row == data_.selectedRow;
        if (selected) p.fillRect(r, palette().highlight());
        p.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        const auto& texts = data_.rows[static_cast<std::size_t>(row - 1)];
        for (std::size_t i = 0; i < texts.size() && i < spans.size(); ++i) {
            int indent = i < columns.size() ? units_.x(columns[i].indent) : 0;
            if (QIcon icon = rowIcon(row, static_cast<int>(i)); !icon.isNull()) {
                int side = std::min(16, r.height() - 2);
                icon.paint(&p, QRect(spans[i].first + pad + indent, r.top() + 1, side, side));
                indent += side + 2;
            }
            QRect cell(spans[i].first + pad + indent, r.top(), spans[i].second - 2 * pad - indent,
                       r.height());
            const Qt::Alignment align =
                alignmentOf(i < columns.size() ? columns[i].align : Align::Left);
            // A text may use its column's padding, never the next column.
            const int room = align & Qt::AlignRight ? cell.right() + 1 - spans[i].first
                             : align & Qt::AlignHCenter
                                 ? spans[i].second
                                 : spans[i].first + spans[i].second - cell.left();
            p.save();
            p.setClipRect(QRect(spans[i].first, r.top(), spans[i].second, r.height()));
            drawCellText(p, cell, room, align, cellText(texts[i]));
            p.restore();
        }
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].rightBorder) {
                p.setPen(palette().color(QPalette::Midlight));
                int x = spans[i].first + spans[i].second - 1;
                p.drawLine(x, r.top(), x, r.bottom());
            }
    }
}

void ListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (int column = borderAt(event->position().toPoint()); column >= 0) {
            dragging_ = column;
            dragStart_ = event->position().toPoint().x();
            dragWidth_ = columnSpans()[static_cast<std::size_t>(column)].second;
            event->accept();
            return;
        }
    }
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.number = rowAt(event->position().toPoint());
    in.key = event->button() == Qt::RightButton    ? KEY::RightClick
             : event->button() == Qt::MiddleButton ? KEY::CenterClick
                                                   : KEY::LeftClick;
    // Shift and Ctrl go with the click (lists that mark rows tell the three clicks apart).
    if (event->modifiers() & Qt::ShiftModifier) in.key |= KEY::ShiftMask;
    if (event->modifiers() & Qt::ControlModifier) in.key |= KEY::CtrlMask;
    setFocus(Qt::MouseFocusReason);
    send_(in);
}

void ListView::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    if (dragging_ >= 0) {
        widths_[static_cast<std::size_t>(dragging_)] =
            std::max(kNarrowest, dragWidth_ + at.x() - dragStart_);
        refreshHorizontalBar();
        viewport()->update();
        return;
    }
    if (borderAt(at) >= 0) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else {
        viewport()->unsetCursor();
    }
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ >= 0) {
        dragging_ = -1;
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (borderAt(event->position().toPoint()) >= 0) return;
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.number = rowAt(event->position().toPoint());
    in.key = event->button() == Qt::RightButton ? KEY::RightDoubleClick : KEY::LeftDoubleClick;
    send_(in);
}

void ListView::wheelEvent(QWheelEvent* event) {
    int steps = event->angleDelta().y() / 120;
    if (steps == 0) steps = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    if (scrollsItself()) scrollItselfTo(first_ - 3 * steps);  // three rows a notch
    for (int i = 0; i < std::abs(steps); ++i) {
        Input in;
        in.kind = Input::Kind::Wheel;
        in.control = number_;
        in.number = steps > 0 ? 1 : -1;
        send_(in);
    }
    event->accept();
}

void ListView::keyPressEvent(QKeyEvent* event) {
    KeyPress k = keyPressOf(*event);
    if (k.code == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    Input in;
    in.kind = Input::Kind::Key;
    in.control = number_;
    in.key = k.code;
    in.character = k.character;
    send_(in);
    event->accept();
}

void ListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        Input in;
        in.kind = Input::Kind::Focus;
        in.control = number_;
        send_(in);
    }
}

}  // namespace rt::qt
