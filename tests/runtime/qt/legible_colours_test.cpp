// Text colours kept readable: a colour that reads on its ground stays as it is; one that does
// not keeps its hue and is changed until it reads comfortably; a coloured button text gets a
// grey face on which it reads wherever the style paints the face.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "runtime/qt/legible_colours.h"
#include "runtime/qt/page_painter.h"

namespace {

using rt::qt::contrastRatio;

TEST(LegibleColours, AColourThatReadsStaysAndOneThatDoesNotKeepsItsHue) {
    struct Case {
        const char* what;
        QColor text, ground;
        bool kept;
    };
    const Case cases[] = {
        {"black on white", Qt::black, Qt::white, true},
        {"white on dark purple", Qt::white, QColor(0x40, 0x00, 0x40), true},
        {"pink on beige", QColor(0xFF, 0x80, 0xFF), QColor(0xEC, 0xE9, 0xD8), false},
        {"dark blue on dark purple", QColor(0x00, 0x00, 0x80), QColor(0x40, 0x00, 0x40), false},
        {"yellow on white", QColor(0xFF, 0xFF, 0x00), Qt::white, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QColor shown = rt::qt::legibleOn(c.text, c.ground);
        if (c.kept) {
            EXPECT_EQ(shown, c.text);
            continue;
        }
        EXPECT_GE(contrastRatio(shown, c.ground), rt::qt::kChangedTextContrast);
        if (shown != Qt::black && shown != Qt::white) {
            EXPECT_NEAR(shown.toHsl().hslHue(), c.text.toHsl().hslHue(), 3);
        }
    }
}

TEST(LegibleColours, AColouredButtonTextReadsOnItsFaceAsTheStylePaintsIt) {
    rt::qt::ensureApplication();
    for (const QColor& text : {QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x00, 0xFF),
                               QColor(0x80, 0x00, 0x40), QColor(Qt::black)}) {
        SCOPED_TRACE(text.name().toStdString());
        const QColor face = rt::qt::buttonFaceFor(text);
        EXPECT_EQ(face.red(), face.green());
        EXPECT_EQ(face.green(), face.blue());
        QPushButton button(QStringLiteral("Import/Export Help"));
        button.resize(120, 24);
        QPalette palette = button.palette();
        palette.setColor(QPalette::Button, face);
        button.setPalette(palette);
        QStyleOptionButton option;
        option.initFrom(&button);
        QImage painted(button.size(), QImage::Format_ARGB32);
        painted.fill(Qt::transparent);
        {
            QPainter painter(&painted);
            button.style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);
        }
        for (int y = 6; y < 18; ++y)
            EXPECT_GE(contrastRatio(text, painted.pixelColor(60, y)), rt::qt::kLeastTextContrast)
                << "row " << y << ": " << painted.pixelColor(60, y).name().toStdString();
    }
}

}  // namespace
