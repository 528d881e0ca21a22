#pragma once
// The widgets a window view is made of: the top-level frame, the client area that paints
// the background, and the filter that turns keys into model input. Internal to rt_qt.

#include <QObject>
#include <QWidget>
#include <chrono>

namespace rt::qt {

class WindowView;

class WindowFrame : public QWidget {
  public:
    WindowFrame(WindowView& view, QWidget* parent, Qt::WindowFlags flags);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    WindowView& view_;
    std::chrono::steady_clock::time_point tabAt_{};  // the last Tab that moves the focus
};

class WindowCanvas : public QWidget {
  public:
    WindowCanvas(WindowView& view, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    WindowView& view_;
    std::chrono::steady_clock::time_point tabAt_{};  // the last Tab that moves the focus
};

class KeyFilter : public QObject {
  public:
    KeyFilter(WindowView& view, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WindowView& view_;
    std::chrono::steady_clock::time_point tabAt_{};  // the last Tab that moves the focus
};

}  // namespace rt::qt
