#pragma once
// Checks on a window shown in real widgets (offscreen): every button, check box, label and
// list column header of the structure shows its whole text, no control of a page stands over
// its sheet's tabs, and the window renders more than its background.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <optional>
#include <set>
#include <string>

#include "runtime/qt/qt_backend.h"
#include "runtime/qt/qt_list.h"
#include "runtime/ui/list_format.h"
#include "runtime/ui/window.h"

namespace testsupport {

// Each column header of a list shows whole within its column.
inline void expectHeadersFit(const rt::qt::ListView& list, const rt::ControlStructure& c,
                             const std::string& title) {
    const std::optional<rt::ListFormat> format = rt::parseListFormat(c.format);
    if (!format) return;
    const auto spans = list.columnSpans();
    for (std::size_t i = 0; i < format->columns.size() && i < spans.size(); ++i) {
        const std::string& header = format->columns[i].header;
        if (header.empty()) continue;
        const int needed = list.fontMetrics().horizontalAdvance(QString::fromStdString(header));
        const int room = spans[i].second - 2;  // the text starts after the column's padding
        EXPECT_LE(needed, room) << "header \"" << header << "\" of list " << c.number << " of \""
                                << title << "\" is cut off (" << needed << " > " << room
                                << " pixels)";
    }
}

// No control of a sheet's page stands over the row of its tabs.
inline void expectPagesBelowTheirTabs(rt::qt::QtBackend& backend, const rt::Window* w) {
    for (const rt::ControlStructure& c : w->structure().controls) {
        const rt::ControlState* tab = w->control(c.parent);
        if (c.hidden || !tab || tab->structure.kind != rt::ControlKind::Tab) continue;
        // Panels and boxes only shade the page.
        if (c.kind == rt::ControlKind::Panel || c.kind == rt::ControlKind::Box) continue;
        auto* tabs = qobject_cast<QTabWidget*>(backend.controlWidget(w, tab->structure.parent));
        QWidget* widget = backend.controlWidget(w, c.number);
        if (!tabs || !widget || !tabs->tabBar()->isVisible()) continue;
        const int pageTop = tabs->geometry().top() + tabs->tabBar()->height();
        EXPECT_GE(widget->geometry().top(), pageTop)
            << "control " << c.number << " \"" << c.text << "\" of \"" << w->structure().title
            << "\" stands over the tabs of its sheet";
    }
}

inline void expectTextsFit(rt::qt::QtBackend& backend, const rt::Window* w) {
    expectPagesBelowTheirTabs(backend, w);
    for (const rt::ControlStructure& c : w->structure().controls) {
        if (c.hidden || c.text.empty()) continue;
        QWidget* widget = backend.controlWidget(w, c.number);
        QString text;
        int room = 0;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            // A button keeps a margin each side; a check box needs its box beside the text.
            room = button->width() - (c.kind == rt::ControlKind::Check ? 20 : 6) -
                   (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
        } else if (auto* list = dynamic_cast<rt::qt::ListView*>(widget)) {
            expectHeadersFit(*list, c, w->structure().title);
            continue;
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap()) continue;
            text = label->text();
            room = label->width();
        } else {
            continue;
        }
        text.remove('&');
        const int needed = widget->fontMetrics().horizontalAdvance(text.trimmed());
        EXPECT_LE(needed, room) << "control " << c.number << " \"" << c.text << "\" of \""
                                << w->structure().title << "\" is cut off (" << needed << " > "
                                << room << " pixels)";
    }
}

inline void expectRendered(QWidget* frame) {
    ASSERT_NE(frame, nullptr);
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
        for (int x = 0; x < image.width(); x += 5)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
}

}  // namespace testsupport
