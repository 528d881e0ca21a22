#include "frame/calendar_month.h"

#include "runtime/text/day_number.h"

namespace {

// Highlight positions, two digits a value: by column and by row.
constexpr const char* kColumnX = "05172941536577";
constexpr const char* kRowY = "273951637587";

int twoDigits(const char* text, int index) {
    return (text[index * 2] - '0') * 10 + (text[index * 2 + 1] - '0');
}

// The column (1..7) or row (1..6) of a mouse position, 0 when outside.
int columnAt(int x) {
    if (x < 5 || x > 89) return 0;
    return x >= 77 ? 7 : (x - 5) / 12 + 1;
}
int rowAt(int y) {
    if (y < 27 || y > 98) return 0;
    return (y - 27) / 12 + 1;
}

std::string threeWide(int n) {
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), ' ') + s;
}

}  // namespace

CalendarMonth::CalendarMonth(long startDate, bool openOnToday) : start_(startDate) {
    current_ = (openOnToday || startDate == 0) ? rt::today() : startDate;
    month_ = static_cast<int>(rt::monthOf(current_));
    highlightX_ = cellX(1);
    highlightY_ = cellY(1);
    draw();
}

int CalendarMonth::cellX(int cell) {
    return twoDigits(kColumnX, (cell - 1) % 7);
}
int CalendarMonth::cellY(int cell) {
    return twoDigits(kRowY, (cell - 1) / 7);
}

void CalendarMonth::draw() {
    const long year = rt::yearOf(current_);
    const long first = rt::date(month_, 1, year);
    days_ = static_cast<int>(rt::dayOf(rt::date(month_ + 1, 1, year) - 1));
    firstColumn_ = static_cast<int>(first % 7) + 1;
    cells_.fill(0);
    std::string built;
    for (int i = firstColumn_; i < firstColumn_ + days_; ++i) {
        cells_[i - 1] = first + (i - firstColumn_);
        built += threeWide(i - firstColumn_ + 1);
        if (cells_[i - 1] == current_) {
            highlightX_ = cellX(i);
            highlightY_ = cellY(i);
        }
    }
    grid_ = std::string(3 * firstColumn_ - 2, ' ') + built.substr(built.find_first_not_of(' '));
    grid_.resize(111, ' ');
}

std::string CalendarMonth::rowText(int row, int part) const {
    const std::size_t base = static_cast<std::size_t>(row - 1) * 21;
    switch (part) {
        case 0:
            return grid_.substr(base, 2);
        case 1:
            return grid_.substr(base + 3, row == 6 ? 2 : 14);
        default:
            return row == 6 ? std::string() : grid_.substr(base + 18, 2);
    }
}

void CalendarMonth::moveTo(long date) {
    current_ = date;
    month_ = static_cast<int>(rt::monthOf(current_));
    draw();
}

void CalendarMonth::moveByDays(long days) {
    const long target = current_ + days;
    if (rt::monthOf(target) != month_) {
        moveTo(target);
        return;
    }
    current_ = target;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (cells_[cell - 1] == current_) {
            highlightX_ = cellX(cell);
            highlightY_ = cellY(cell);
        }
    }
}

void CalendarMonth::previousMonth() {
    const long m = rt::monthOf(current_), d = rt::dayOf(current_), y = rt::yearOf(current_);
    moveTo(m == 1 ? rt::date(12, d, y - 1) : rt::date(m - 1, d, y));
}

void CalendarMonth::nextMonth() {
    moveTo(rt::date(rt::monthOf(current_) + 1, rt::dayOf(current_), rt::yearOf(current_)));
}

void CalendarMonth::previousYear() {
    moveTo(rt::date(rt::monthOf(current_), rt::dayOf(current_), rt::yearOf(current_) - 1));
}

void CalendarMonth::nextYear() {
    moveTo(rt::date(rt::monthOf(current_), rt::dayOf(current_), rt::yearOf(current_) + 1));
}

void CalendarMonth::home() {
    moveTo(start_ != 0 ? start_ : rt::today());
}

void CalendarMonth::goToday() {
    moveTo(rt::today());
}

CalendarMonth::Release CalendarMonth::releaseAt(int x, int y) {
    const int column = columnAt(x), row = rowAt(y);
    const int cell = column == 0 || row == 0 ? 0 : (row - 1) * 7 + column;
    if (cell == 0 || cells_[cell - 1] == 0) {
        lastX_ = lastY_ = 0;
        return Release::Ignored;
    }
    if (x == lastX_ && y == lastY_) return Release::Confirmed;
    current_ = cells_[cell - 1];
    highlightX_ = cellX(cell);
    highlightY_ = cellY(cell);
    lastX_ = x;
    lastY_ = y;
    return Release::Moved;
}
