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

}  // namespace
