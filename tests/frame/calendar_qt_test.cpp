// The calendar in real widgets (offscreen): seven readable day names over seven columns of
// day numbers, and the chosen day's number inside its highlight.
#include <gtest/gtest.h>

#include <QLabel>
#include <atomic>

#include "frame/calendar_window.h"
#include "frame/select_date.h"
#include "runtime/text/day_number.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

namespace Calendar = windows::calendar::CalendarControl;

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

TEST(CalendarQt, SevenColumnsAndTheChosenDaysNumber) {
    std::atomic<long> chosen{-1};
    qttest::QtSession session;
    // Thursday 10 December 2026: the second row reads " 7  8  9 10 11" from Monday.
    session.start([&] { chosen = SelectDate("Contact Date", 0, rt::date(12, 10, 2026), 0); });
    rt::Window* w = topWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(session.shownWindow(w), nullptr);
    session.settle();
    auto label = [&](int control) {
        return qobject_cast<QLabel*>(session.backend().controlWidget(w, control));
    };

    // The day names fit their columns with room between them.
    std::vector<QRect> names;
    for (int day = 0; day < 7; ++day) {
        QLabel* heading = label(Calendar::FirstHeading + day);
        ASSERT_NE(heading, nullptr);
        const QRect ink = heading->fontMetrics().boundingRect(heading->text());
        const int width = heading->fontMetrics().horizontalAdvance(heading->text());
        EXPECT_LT(width, heading->width()) << heading->text().toStdString();
        names.push_back(QRect(heading->x(), heading->y(), heading->width(), ink.height()));
        if (day > 0) {
            QLabel* before = label(Calendar::FirstHeading + day - 1);
            EXPECT_LT(before->x() + before->fontMetrics().horizontalAdvance(before->text()),
                      heading->x());
        }
    }

    // Each of Monday to Friday's numbers in the second row stands under its day name.
    QLabel* week = label(windows::calendar::calendarRowControl(2, 1));
    ASSERT_NE(week, nullptr);
    const QString text = week->text();
    ASSERT_EQ(text.left(14), QString(" 7  8  9 10 11"));
    const QFontMetrics metrics = week->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(text), week->width());
    auto numberSpan = [&](int column) {  // Monday 0 .. Friday 4
        const int x =
            week->x() + week->contentsRect().x() + metrics.horizontalAdvance(text.left(3 * column));
        return std::pair(x, x + metrics.horizontalAdvance(text.mid(3 * column, 2)));
    };
    for (int column = 0; column < 5; ++column) {
        SCOPED_TRACE(column);
        const auto [left, right] = numberSpan(column);
        EXPECT_GE(left, names[column + 1].left());
        EXPECT_LE(right, names[column + 1].right() + 1);
    }

    // The highlight frames Thursday's "10", which shows inside it.
    QWidget* box = session.backend().controlWidget(w, Calendar::Highlight);
    ASSERT_NE(box, nullptr);
    const auto [left, right] = numberSpan(3);
    EXPECT_GE(left, box->x());
    EXPECT_LE(right, box->x() + box->width());
    const QImage shot = session.backend().clientArea(w)->grab().toImage();
    const QRect inside = box->geometry().adjusted(2, 2, -2, -2);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 100) ++ink;
    EXPECT_GT(ink, 10);

    QWidget* ok = session.backend().controlWidget(w, Calendar::Ok);
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(chosen, rt::date(12, 10, 2026));
}

// The blank pixel columns of one run of the image's rows: true where no pixel of the band
// differs from the ground at its left end.
std::vector<bool> blankColumns(const QImage& shot, int top, int bottom, int left, int right) {
    const QRgb ground = shot.pixel(left, top);
    std::vector<bool> blank;
    for (int x = left; x <= right; ++x) {
        bool clear = true;
        for (int y = top; y <= bottom && clear; ++y) {
            const QRgb p = shot.pixel(x, y);
            clear = std::abs(qRed(p) - qRed(ground)) + std::abs(qGreen(p) - qGreen(ground)) +
                        std::abs(qBlue(p) - qBlue(ground)) <
                    90;
        }
        blank.push_back(clear);
    }
    return blank;
}

TEST(CalendarQt, EachDayNameStandsApartFromTheNextByMoreThanTheGapsInsideAName) {
    qttest::QtSession session;
    session.start([&] { SelectDate("Contact Date", 0, rt::date(12, 10, 2026), 0); });
    rt::Window* w = topWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(session.shownWindow(w), nullptr);
    session.settle();
    QWidget* client = session.backend().clientArea(w);
    const QImage shot = client->grab().toImage();
    QWidget* first = session.backend().controlWidget(w, Calendar::FirstHeading);
    QWidget* last = session.backend().controlWidget(w, Calendar::FirstHeading + 6);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    // The pixels of the headings' row, from a little before the first name to past the last.
    const QRect row = first->geometry().united(last->geometry());
    const int left = std::max(0, row.left() - 4);
    const std::vector<bool> blank = blankColumns(shot, row.top(), row.bottom(), left,
                                                 std::min(shot.width() - 1, row.right() + 4));
    // The names are the runs of inked columns that blank runs wider than `gap` part.
    auto names = [&](int gap) {
        std::vector<std::pair<int, int>> runs;  // first and last inked column
        int blanks = gap + 1;
        for (int i = 0; i < static_cast<int>(blank.size()); ++i) {
            if (blank[static_cast<std::size_t>(i)]) {
                ++blanks;
                continue;
            }
            if (blanks > gap || runs.empty())
                runs.push_back({i, i});
            else
                runs.back().second = i;
            blanks = 0;
        }
        return runs;
    };
    // Inside a name letters stand at most a couple of pixels apart; between names the gap
    // is wider: the row reads as seven names, each starting in its own column.
    const auto runs = names(2);
    ASSERT_EQ(runs.size(), 7u) << "the day names run together";
    for (int day = 0; day < 7; ++day) {
        QWidget* heading = session.backend().controlWidget(w, Calendar::FirstHeading + day);
        SCOPED_TRACE(day);
        EXPECT_GE(left + runs[static_cast<std::size_t>(day)].first, heading->x());
        EXPECT_LT(left + runs[static_cast<std::size_t>(day)].second,
                  heading->x() + heading->width());
    }
    ASSERT_TRUE(session.finish());
}

}  // namespace
