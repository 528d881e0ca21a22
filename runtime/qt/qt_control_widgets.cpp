#include "runtime/qt/qt_control_widgets.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "runtime/qt/micr_e13b.h"
#include "runtime/qt/page_painter.h"
#include "runtime/ui/codes.h"

namespace rt::qt {

void RadioWidget::keyPressEvent(QKeyEvent* event) {
    QRadioButton::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            break;
        default:
            return;
    }
    // The radios are not auto-exclusive (the model keeps the choice), so Qt only moved
    // the focus.
    auto* reached = dynamic_cast<RadioWidget*>(QApplication::focusWidget());
    if (reached && reached != this && reached->parentWidget() == parentWidget()) reached->click();
}

RegionWidget::RegionWidget(QWidget* parent, int number, std::function<void(Input)> send)
    : QWidget(parent), number_(number), send_(std::move(send)) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void RegionWidget::mousePressEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.x = event->position().toPoint().x();
    in.y = event->position().toPoint().y();
    in.key = event->button() == Qt::RightButton    ? KEY::RightClick
             : event->button() == Qt::MiddleButton ? KEY::CenterClick
                                                   : KEY::LeftClick;
    send_(in);
}

void RegionWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.x = event->position().toPoint().x();
    in.y = event->position().toPoint().y();
    in.key = event->button() == Qt::RightButton ? KEY::RightDoubleClick : KEY::LeftDoubleClick;
    send_(in);
}

void PanelWidget::setBevels(int outer, int inner) {
    if (outer == outer_ && inner == inner_) return;
    outer_ = outer;
    inner_ = inner;
    update();
}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    for (int bevel : {outer_, inner_}) {
        int width = std::min(std::abs(bevel), 8);
        if (width == 0 || r.width() < 2 * width || r.height() < 2 * width) continue;
        qDrawShadePanel(&p, r, palette(), /*sunken=*/bevel < 0, width);
        r.adjust(width, width, -width, -width);
    }
}

namespace {

constexpr double kScreenDpi = 96.0;
constexpr int kMicrMargin = 3;

}  // namespace

EntryWidget::EntryWidget(QWidget* parent) : QLineEdit(parent) {}

void EntryWidget::setMicr(bool micr) {
    if (micr == micr_) return;
    micr_ = micr;
    update();
}

double EntryWidget::micrPitch() const {
    const double bankPitch = kMicrPitch * kScreenDpi / 1000.0;
    // Every character the picture admits must show: the layout gave a bank-line font of its
    // point size, narrower than the printed characters.
    const int held = maxLength() < 32767 ? maxLength() : static_cast<int>(text().size());
    if (held <= 0) return bankPitch;
    return std::min(bankPitch, (width() - 2 * kMicrMargin) / static_cast<double>(held));
}

int EntryWidget::micrX(int index) const {
    const double pitch = micrPitch();
    double left = kMicrMargin;
    if (alignment() & Qt::AlignRight)
        left = width() - kMicrMargin - static_cast<double>(text().size()) * pitch;
    return static_cast<int>(left + index * pitch);
}

void EntryWidget::paintEvent(QPaintEvent* event) {
    if (!micr_) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const double scale = micrPitch() / kMicrPitch;
    const double top = (height() - kMicrHeight * scale) / 2.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Text));
    const QString shown = text();
    for (int i = 0; i < shown.size(); ++i) {
        const MicrGlyph* glyph = micrGlyph(shown[i].toLatin1());
        if (!glyph) continue;
        for (const auto& polygon : glyph->polygons) {
            QPolygonF outline;
            for (const MicrPoint& point : polygon)
                outline << QPointF(micrX(i) + point.x * scale, top + point.y * scale);
            p.drawPolygon(outline);
        }
    }
    if (hasFocus()) {
        p.setPen(palette().color(QPalette::Text));
        int x = micrX(cursorPosition());
        p.drawLine(x, 2, x, height() - 3);
    }
}

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {}

void ImageWidget::setPicture(const QImage& picture) {
    picture_ = picture;
    pageFile_.clear();
    page_ = QImage();
    update();
}

void ImageWidget::setPageFile(const std::string& file) {
    if (file == pageFile_) return;
    pageFile_ = file;
    page_ = QImage();
    update();
}

void ImageWidget::setScroll(QPoint offset) {
    if (offset == scroll_) return;
    scroll_ = offset;
    update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(-scroll_);
    if (!pageFile_.empty()) {
        if (page_.size() != size()) {
            std::string error;
            if (!renderNamedPage(pageFile_, size(), page_, error)) page_ = QImage();
        }
        if (!page_.isNull()) p.drawImage(0, 0, page_);
        return;
    }
    if (picture_.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

}  // namespace rt::qt
