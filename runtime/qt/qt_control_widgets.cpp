#include "runtime/qt/qt_control_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "runtime/qt/page_painter.h"
#include "runtime/ui/codes.h"

namespace rt::qt {

RegionWidget::RegionWidget(QWidget* parent, int number, std::function<void(Input)> send)
    : QWidget(parent), number_(number), send_(std::move(send)) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void RegionWidget::mousePressEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.key = event->button() == Qt::RightButton    ? KEY::RightClick
             : event->button() == Qt::MiddleButton ? KEY::CenterClick
                                                   : KEY::LeftClick;
    send_(in);
}

void RegionWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    Input in;
    in.kind = Input::Kind::Click;
    in.control = number_;
    in.key = event->button() == Qt::RightButton ? KEY::RightDoubleClick : KEY::LeftDoubleClick;
    send_(in);
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

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pageFile_.empty()) {
        if (page_.size() != size()) {
            std::string error;
            if (!renderPageFile(pageFile_, size(), page_, error)) page_ = QImage();
        }
        if (!page_.isNull()) p.drawImage(0, 0, page_);
        return;
    }
    if (picture_.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

}  // namespace rt::qt
