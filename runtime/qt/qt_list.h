#pragma once
// The list control: a virtual list that paints the rows the model holds (one page of the
// procedure's queue) and turns scroll keys, the wheel and the scroll bar into input for the
// model, which raises the scroll events the procedure answers by refilling the page.

#include <QAbstractScrollArea>
#include <QIcon>
#include <functional>
#include <map>

#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_snapshot.h"
#include "runtime/ui/window.h"

namespace rt::qt {

inline constexpr int kListFrameWidth = 1;  // a plain one-pixel box

class ListView : public QAbstractScrollArea {
  public:
    using Send = std::function<void(Input)>;
    ListView(QWidget* parent, int number, Send send);

    void setData(const ControlData& data, const DialogUnits& units);
    // The row (from 1) at a point of the viewport; 0 for the header or below the rows.
    int rowAt(QPoint point) const;
    QRect rowRect(int row) const;  // in viewport coordinates
    // A list holding more rows than fit (a queue the procedure does not page) scrolls itself:
    // the wheel and its scroll bar move the rows, and the selected row is kept in view.
    bool scrollsItself() const;
    int rowsThatFit() const;
    int firstShownRow() const { return first_ + 1; }
    int rowCount() const { return static_cast<int>(data_.rows.size()); }
    // The column texts a row (from 1) shows; empty past the last row.
    std::vector<std::string> rowTexts(int row) const;
    // The icon a row shows in a column; null when none.
    QIcon rowIcon(int row, int column) const;
    // x (in viewport pixels, after the horizontal scroll) and width of each column.
    std::vector<std::pair<int, int>> columnSpans() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void scrollAction(int action);
    bool hasHeaders() const;
    int columnsWidth() const;
    void refreshHorizontalBar();
    // The column whose right border is within reach of x in the header; -1 for none.
    int borderAt(QPoint point) const;

    int number_;
    Send send_;
    ControlData data_;
    std::map<int, QIcon> icons_;  // by icon number
    DialogUnits units_;
    bool updating_ = false;
    int first_ = 0;  // rows scrolled out above, when the list scrolls itself
    void scrollItselfTo(int first);
    std::vector<int> widths_;   // column widths in pixels; the user may drag them
    std::string widthsFormat_;  // the format they were taken from
    int dragging_ = -1;         // the column whose border the mouse drags
    int dragStart_ = 0, dragWidth_ = 0;
};

}  // namespace rt::qt
