#pragma once
// The calendar's month grid: the current date, the 42 cells (7 columns from Sunday by 6
// rows) with their dates and highlight positions in dialog units, the grid text the day
// rows show, and the moves by day, month and year, Home, Today and mouse releases.

#include <array>
#include <string>

class CalendarMonth {
  public:
    static constexpr int kCells = 42;

    // Opens on today when `openOnToday` is set or `startDate` is 0, else on `startDate`.
    CalendarMonth(long startDate, bool openOnToday);

    long current() const { return current_; }
    int month() const { return month_; }
    long cellDate(int cell) const { return cells_.at(cell - 1); }  // cell from 1
    int firstColumn() const { return firstColumn_; }               // 1 = Sunday
    int daysInMonth() const { return days_; }
    int highlightX() const { return highlightX_; }
    int highlightY() const { return highlightY_; }
    static int cellX(int cell);
    static int cellY(int cell);
    // The grid text (111 characters) and what a row's three texts show: `part` 0 the
    // Sunday column, 1 Monday to Friday, 2 Saturday (row 6 has parts 0 and 1 only).
    const std::string& gridText() const { return grid_; }
    std::string rowText(int row, int part) const;

    void left() { moveByDays(-1); }
    void right() { moveByDays(1); }
    void up() { moveByDays(-7); }
    void down() { moveByDays(7); }
    void previousMonth();
    void nextMonth();
    void previousYear();
    void nextYear();
    void home();
    void goToday();

    // A mouse release over the grid at x, y (dialog units). Confirmed when it is exactly
    // where the previous release on a day was.
    enum class Release { Moved, Confirmed, Ignored };
    Release releaseAt(int x, int y);

  private:
    void moveByDays(long days);
    void moveTo(long date);
    void draw();

    long start_;
    long current_ = 0;
    int month_ = 0;
    int firstColumn_ = 1;
    int days_ = 0;
    int highlightX_ = 0;
    int highlightY_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
    std::array<long, kCells> cells_{};
    std::string grid_;
};
