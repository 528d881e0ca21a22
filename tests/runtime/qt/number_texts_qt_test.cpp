// Every number a window shows, at the widest value its field or variable can hold, stands
// whole in its control in real widgets (offscreen): entries and strings bound to that value,
// and list columns at the width their format gives them. With TOVIK_SNAPSHOTS set to a
// folder, each window so filled is saved there.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <atomic>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "runtime/qt/qt_list.h"
#include "runtime/text/picture.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/list_format.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/all_window_structures.h"
#include "tests/support/number_limits.h"

namespace {

using namespace testsupport;

// The text a picture writes for the value of `limits` it writes longest (the lowest only
// where the picture lets negatives in).
std::string widestText(const std::string& picture, const Limits& limits) {
    std::string widest = rt::format(rt::Value(limits.highest), picture);
    const bool negativesIn = rt::describePicture(picture).kind == rt::PictureKind::Number &&
                             picture.find('-') != std::string::npos;
    if (negativesIn && limits.lowest.isNegative()) {
        const std::string lowest = rt::format(rt::Value(limits.lowest), picture);
        if (QString::fromStdString(lowest).trimmed().size() >
            QString::fromStdString(widest).trimmed().size())
            widest = lowest;
    }
    return widest;
}

// The value behind each number control of a structure: the one whose text is widest.
std::map<std::string, rt::Value> widestValues(const rt::WindowStructure& s) {
    std::map<std::string, rt::Value> values;
    for (const rt::ControlStructure& c : s.controls) {
        if (c.use.empty() || !isNumberPicture(c.picture) || values.count(c.use)) continue;
        const std::optional<Limits> limits = limitsOfUse(c.use);
        if (!limits) continue;
        const bool lowest =
            widestText(c.picture, *limits) != rt::format(rt::Value(limits->highest), c.picture);
        values[c.use] = rt::Value(lowest ? limits->lowest : limits->highest);
    }
    return values;
}

struct Opened {
    std::atomic<rt::Window*> window{nullptr};
};

rt::Window* startWindow(qttest::QtSession& session, const rt::WindowStructure& structure,
                        const std::map<std::string, rt::Value>& values, Opened& opened) {
    session.start([&] {
        rt::Window w(structure, [&values](std::string_view name) -> rt::BindingPtr {
            auto found = values.find(std::string(name));
            if (found == values.end()) return nullptr;
            const rt::Value value = found->second;
            return rt::bindFunctions(
                std::string(name), [value] { return value; }, [](const rt::Value&) {});
        });
        w.open();
        opened.window = &w;
        while (w.accept()) {
        }
    });
    return opened.window;
}

// The width a widget leaves for its text, and the text it shows; nullopt for widgets that
// show no text of their own.
std::optional<std::pair<QString, int>> shownText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QMargins margins = edit->textMargins();
        // A line edit keeps two pixels each side inside its frame.
        return std::make_pair(edit->text().trimmed(),
                              edit->contentsRect().width() - margins.left() - margins.right() - 4);
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        return std::make_pair(label->text().trimmed(), label->contentsRect().width());
    return std::nullopt;
}

TEST(NumberTextsQt, TheWidestValueOfEveryNumberShowsWhole) {
    std::set<std::string> entriesSeen, columnsSeen;
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        const std::map<std::string, rt::Value> values = widestValues(*named.structure);
        bool hasNumberColumn = false;
        for (const rt::ControlStructure& c : named.structure->controls)
            if (const auto format = rt::parseListFormat(c.format))
                for (const rt::ListColumn& column : format->columns)
                    hasNumberColumn |= isNumberPicture("@" + column.picture);
        if (values.empty() && !hasNumberColumn) continue;
        SCOPED_TRACE(named.name);
        Opened opened;
        qttest::QtSession session;
        rt::Window* w = startWindow(session, *named.structure, values, opened);
        QWidget* frame = session.shownWindow(w);
        ASSERT_NE(frame, nullptr);
        session.settle();
        for (const rt::ControlStructure& c : named.structure->controls) {
            QWidget* widget = session.backend().controlWidget(w, c.number);
            if (!widget || !widget->isVisible()) continue;
            if (values.count(c.use) && isNumberPicture(c.picture)) {
                const auto shown = shownText(widget);
                if (!shown) continue;
                entriesSeen.insert(named.name);
                // The control shows the value through its picture, nothing of it cut.
                EXPECT_EQ(shown->first.toStdString(),
                          QString::fromStdString(rt::format(values.at(c.use), c.picture))
                              .trimmed()
                              .toStdString())
                    << c.use;
                EXPECT_LE(widget->fontMetrics().horizontalAdvance(shown->first), shown->second)
                    << c.use << " shows \"" << shown->first.toStdString() << "\" cut off";
            }
            auto* list = dynamic_cast<rt::qt::ListView*>(widget);
            const auto format = rt::parseListFormat(c.format);
            if (!list || !format) continue;
            const auto spans = list->columnSpans();
            for (std::size_t i = 0; i < format->columns.size() && i < spans.size(); ++i) {
                const rt::ListColumn& column = format->columns[i];
                const std::string picture = "@" + column.picture;
                if (!isNumberPicture(picture)) continue;
                const ColumnSource* source = columnSource(named.name, column.header);
                const std::optional<Limits> limits =
                    source ? limitsOfUse(source->field) : std::nullopt;
                if (!limits) continue;
                columnsSeen.insert(named.name);
                const QString text = QString::fromStdString(widestText(picture, *limits)).trimmed();
                // The row text starts after the column's padding of two pixels each side.
                EXPECT_LE(list->fontMetrics().horizontalAdvance(text), spans[i].second - 4)
                    << "column \"" << column.header << "\" cuts \"" << text.toStdString() << "\"";
            }
        }
        if (const char* folder = std::getenv("TOVIK_SNAPSHOTS"))
            frame->grab().save(
                QString::fromStdString(std::string(folder) + "/" + named.name + ".png"));
        ASSERT_TRUE(session.finish());
    }
    for (const char* form : {"invoice form", "check form", "company form", "contact form"})
        EXPECT_TRUE(entriesSeen.count(form)) << "the walk missed the numbers of " << form;
    for (const char* list : {"checks to print", "invoice list", "up-line list"})
        EXPECT_TRUE(columnsSeen.count(list)) << "the walk missed the number columns of " << list;
}

}  // namespace
