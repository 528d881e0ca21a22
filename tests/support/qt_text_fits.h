#pragma once
// Checks on a window shown in real widgets (offscreen): every button, check box and label of
// the structure shows its whole text, and the window renders more than its background.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <set>
#include <string>

#include "runtime/qt/qt_backend.h"
#include "runtime/ui/window.h"

namespace testsupport {

inline void expectTextsFit(rt::qt::QtBackend& backend, const rt::Window* w) {
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
