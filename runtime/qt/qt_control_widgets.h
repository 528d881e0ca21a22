#pragma once
// Widgets of the control kinds Qt has no widget for: the mouse region and the picture.
// Internal to rt_qt.

#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <string>

#include "runtime/ui/window.h"

namespace rt::qt {

// A region: invisible, it reports mouse clicks on its area, with the pixel clicked in the
// region in the input's x and y.
class RegionWidget : public QWidget {
  public:
    RegionWidget(QWidget* parent, int number, std::function<void(Input)> send);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int number_;
    std::function<void(Input)> send_;
};

// A panel: up to two bevelled edges, the outer one and one inside it, each raised or
// sunken by its sign and as wide as its size.
class PanelWidget : public QFrame {
  public:
    using QFrame::QFrame;
    void setBevels(int outer, int inner);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int outer_ = 0, inner_ = 0;
};

// Check boxes and radios answer a click anywhere on their control, as a user expects
// of a control whose rectangle the window structure gives.
class CheckWidget : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class RadioWidget : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    // An arrow key moves to the next radio of the option and chooses it, as a click does.
    void keyPressEvent(QKeyEvent* event) override;
};

// An entry. With a MICR face it shows its text as E-13B characters at their true size
// (0.117 inch high, eight to the inch), as no MICR font is installed.
class EntryWidget : public QLineEdit {
  public:
    explicit EntryWidget(QWidget* parent);
    void setMicr(bool micr);
    bool isMicr() const { return micr_; }
    // E-13B drawing: the pixels from one character to the next (the printed size when the
    // entry holds every character of its picture at that size, smaller otherwise) and the
    // left edge of character `index`.
    double micrPitch() const;
    int micrX(int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool micr_ = false;
};

// An image: a picture file or BLOB scaled to the control, or a report page drawn to fit.
class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent);
    void setPicture(const QImage& picture);
    void setPageFile(const std::string& file);
    // The content moves up and left by this many pixels (the image's scroll positions).
    void setScroll(QPoint offset);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    std::string pageFile_;
    QImage page_;  // the page drawn at the widget's size
    QPoint scroll_;
};

}  // namespace rt::qt
