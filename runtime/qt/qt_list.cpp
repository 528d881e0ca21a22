#include "runtime/qt/qt_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

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

QString qs(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}

}  // namespace

ListView::ListView(QWidget* parent, int number, Send send)
    : QAbstractScrollArea(parent), number_(number), send_(std::move(send)) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kListFrameWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
        send_(in);
    });
}

void ListView::scrollAction(int action) {
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
    data_ = data;
    units_ = units;
    updating_ = true;
    setVerticalScrollBarPolicy(data_.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!verticalScrollBar()->isSliderDown()) verticalScrollBar()->setValue(data_.thumb);
    updating_ = false;
    viewport()->update();
}

QIcon ListView::rowIcon(int row, int column) const {
    if (row < 1 || row > static_cast<int>(data_.rowIcons.size())) return {};
    const auto& numbers = data_.rowIcons[static_cast<std::size_t>(row - 1)];
    if (column < 0 || column >= static_cast<int>(numbers.size())) return {};
    auto it = icons_.find(numbers[static_cast<std::size_t>(column)]);
    return it == icons_.end() ? QIcon() : it->second;
}

bool ListView::hasHeaders() const {
    return std::any_of(data_.listFormat.columns.begin(), data_.listFormat.columns.end(),
                       [](const ListColumn& c) { return !c.header.empty(); });
}

std::vector<std::pair<int, int>> ListView::columnSpans() const {
    std::vector<std::pair<int, int>> spans;
    int x = 0;
    int total = viewport()->width();
    const auto& columns = data_.listFormat.columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int w = units_.x(columns[i].width);
        if (i + 1 == columns.size() || w <= 0) w = std::max(w, total - x);
        spans.emplace_back(x, w);
        x += w;
    }
    if (spans.empty()) spans.emplace_back(0, total);
    return spans;
}

QRect ListView::rowRect(int row) const {
    int top = hasHeaders() ? listHeaderHeight(font()) : 0;
    int h = listRowHeight(font());
    return QRect(0, top + (row - 1) * h, viewport()->width(), h);
}

int ListView::rowAt(QPoint point) const {
    int top = hasHeaders() ? listHeaderHeight(font()) : 0;
    if (point.y() < top) return 0;
    int row = (point.y() - top) / listRowHeight(font()) + 1;
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
            p.drawText(cell, alignmentOf(a), qs(columns[i].header));
            p.setPen(palette().color(QPalette::Mid));
            p.drawLine(spans[i].first + spans[i].second - 1, 0,
                       spans[i].first + spans[i].second - 1, hh - 1);
            p.setPen(palette().color(QPalette::ButtonText));
        }
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(0, hh - 1, viewport()->width(), hh - 1);
    }
    for (int row = 1; row <= rowCount(); ++row) {
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
            Align a = i < columns.size() ? columns[i].align : Align::Left;
            p.drawText(cell, alignmentOf(a), qs(texts[i]));
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

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
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
