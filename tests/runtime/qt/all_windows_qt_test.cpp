// Every window of the program in real widgets (offscreen): each control's own text fits its
// rectangle at the window's fonts, no two controls overlap unless the structure stacks them
// on purpose, no control of a page stands over its sheet's tabs, and every picture a window
// names is one the program ships.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <map>
#include <set>

#include "runtime/qt/legible_colours.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/ui/popup_menu.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/all_window_structures.h"
#include "tests/support/qt_text_fits.h"

namespace {

using rt::ControlKind;

// Controls other controls stand on: a sheet, a group, a panel, a box or an image, and the
// invisible region that takes clicks over drawn parts.
bool isGround(ControlKind k) {
    switch (k) {
        case ControlKind::Sheet:
        case ControlKind::Tab:
        case ControlKind::Group:
        case ControlKind::Option:
        case ControlKind::Panel:
        case ControlKind::Box:
        case ControlKind::Image:
        case ControlKind::Region:
        case ControlKind::Line:
            return true;
        default:
            return false;
    }
}

// Pairs of controls a structure lays over each other on purpose, with the reason.
struct Stacked {
    std::string window;
    int a, b;
    const char* reason;
};
const Stacked kStacked[] = {
    {"calendar", 1, 2, "the date string stands on the disabled entry that frames it"},
    {"main menu", 23, 27,
     "the exit button covers the blank left end of the right-aligned product name"},
    {"main menu", 27, 28, "the trademark sign stands at the right end of the product name"},
};

// Sheets with more tabs than their width holds, with the reason; their tabs scroll.
struct Crowded {
    std::string window;
    int sheet;
    const char* reason;
};
const Crowded kCrowdedSheets[] = {
    {"web list", 9, "sixteen category tabs on one row of a 349-unit sheet: the arrows scroll them"},
};

bool crowdedOnPurpose(const std::string& window, int sheet) {
    return std::any_of(std::begin(kCrowdedSheets), std::end(kCrowdedSheets),
                       [&](const Crowded& c) { return c.window == window && c.sheet == sheet; });
}

bool stackedOnPurpose(const std::string& window, int a, int b) {
    for (const Stacked& s : kStacked)
        if (s.window == window && ((s.a == a && s.b == b) || (s.a == b && s.b == a))) return true;
    return false;
}

QString plain(const std::string& text) {
    return QString::fromStdString(rt::withoutMnemonic(text)).trimmed();
}

// The room a control leaves for its own text, in pixels; -1 when it shows no text of its own.
int roomFor(const rt::ControlStructure& c, QWidget* w) {
    QStyle* style = w->style();
    switch (c.kind) {
        case ControlKind::String:
        case ControlKind::Prompt:
            return c.use.empty() ? w->contentsRect().width() : -1;
        case ControlKind::Button:
            if (auto* tool = qobject_cast<QToolButton*>(w); tool && !tool->icon().isNull())
                return -1;
            // The style draws a button's text inside its frame.
            return w->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        case ControlKind::Check:
        case ControlKind::Radio:
            return w->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) -
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        default:
            return -1;
    }
}

struct Opened {
    std::atomic<rt::Window*> window{nullptr};
};

// Starts a program that shows one window of `structure` until it is closed; answers it.
rt::Window* startWindow(qttest::QtSession& session, const rt::WindowStructure& structure,
                        Opened& opened) {
    session.start([&] {
        rt::Window w(structure);
        w.open();
        opened.window = &w;
        while (w.accept()) {
        }
    });
    return opened.window;
}

TEST(AllWindowsQt, TextsFitTheirControlsAndControlsDoNotOverlap) {
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        SCOPED_TRACE(named.name);
        Opened opened;
        qttest::QtSession session;
        rt::Window* w = startWindow(session, *named.structure, opened);
        ASSERT_NE(session.shownWindow(w), nullptr);
        session.settle();
        const auto& controls = named.structure->controls;
        for (const rt::ControlStructure& c : controls) {
            QWidget* widget = session.backend().controlWidget(w, c.number);
            if (!widget || !widget->isVisible()) continue;
            SCOPED_TRACE("control " + std::to_string(c.number) + " " + c.text);
            int room = roomFor(c, widget);
            QString text = plain(c.text);
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
                // A string over several lines: its lines fit its height.
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            } else if (room >= 0 && !text.isEmpty()) {
                EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), room);
                EXPECT_LE(widget->fontMetrics().ascent(), widget->height());
            }
            if (auto* list = dynamic_cast<rt::qt::ListView*>(widget))
                testsupport::expectHeadersFit(*list, c, named.name);
            if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
                // Tabs that do not fit the sheet get scroll arrows and hide some of them.
                if (!crowdedOnPurpose(named.name, c.number)) {
                    EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width());
                }
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget);
                button && c.kind == ControlKind::Button) {
                // A button the user can click shows what it is.
                EXPECT_FALSE(button->text().trimmed().isEmpty() && button->icon().isNull())
                    << "a blank button";
            }
            if (auto* group = qobject_cast<QGroupBox*>(widget); group && !text.isEmpty()) {
                EXPECT_LE(group->fontMetrics().horizontalAdvance(text) + 8, group->width());
            }
        }
        testsupport::expectPagesBelowTheirTabs(session.backend(), w);
        // Overlaps between controls standing on the same ground.
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const auto& a = controls[i];
                const auto& b = controls[j];
                if (isGround(a.kind) || isGround(b.kind)) continue;
                QWidget* wa = session.backend().controlWidget(w, a.number);
                QWidget* wb = session.backend().controlWidget(w, b.number);
                if (!wa || !wb || !wa->isVisible() || !wb->isVisible()) continue;
                if (wa->parentWidget() != wb->parentWidget()) continue;
                if (!wa->geometry().intersects(wb->geometry())) continue;
                if (stackedOnPurpose(named.name, a.number, b.number)) continue;
                ADD_FAILURE() << "controls " << a.number << " (" << a.text << ") and " << b.number
                              << " (" << b.text << ") overlap";
            }
        }
        ASSERT_TRUE(session.finish());
    }
}

// The ground a text inside `area` of a picture is drawn on: the colour most of the edge of
// the rectangle shows (two pixels wide, where a text's letters seldom reach).
QColor groundColour(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    const QRect core = inside.adjusted(2, 2, -2, -2);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!core.contains(x, y)) ++counts[image.pixel(x, y)];
    if (counts.empty()) return {};
    auto most = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor::fromRgb(most->first);
}

// A push button's face is drawn as a gradient, lighter at the top than at the bottom: the
// colour of the face, as the style draws it without text, in the band where the text stands
// that stands out least from `text`.
QColor faceBehindText(QPushButton& button, const QColor& text) {
    QImage face(button.size(), QImage::Format_ARGB32);
    face.fill(Qt::transparent);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features =
        button.isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    {
        QPainter painter(&face);
        button.style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);
    }
    QColor least;
    const int middle = face.height() / 2, band = button.fontMetrics().height() / 2;
    for (int y = middle - band; y <= middle + band; ++y) {
        const QColor ground = face.pixelColor(face.width() / 2, y);
        if (!least.isValid() ||
            rt::qt::contrastRatio(text, ground) < rt::qt::contrastRatio(text, least))
            least = ground;
    }
    return least;
}

// Every text a window shows stands out from the ground it is drawn on, as the window is
// painted: the ground is read from the picture of the window (a push button's from its face
// as the style paints it, where it is closest to the text), the text's colour from the
// control.
TEST(AllWindowsQt, EveryTextHasAContrastOfAtLeastThreeToOneWithItsGround) {
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        SCOPED_TRACE(named.name);
        Opened opened;
        qttest::QtSession session;
        rt::Window* w = startWindow(session, *named.structure, opened);
        QWidget* frame = session.shownWindow(w);
        ASSERT_NE(frame, nullptr);
        session.settle();
        const QImage picture = frame->grab().toImage();
        for (const rt::ControlStructure& c : named.structure->controls) {
            QWidget* widget = session.backend().controlWidget(w, c.number);
            if (!widget || !widget->isVisible() || !widget->isEnabled()) continue;
            const bool shown =
                (qobject_cast<QLabel*>(widget) &&
                 !qobject_cast<QLabel*>(widget)->text().isEmpty()) ||
                (qobject_cast<QAbstractButton*>(widget) &&
                 !qobject_cast<QAbstractButton*>(widget)->text().trimmed().isEmpty()) ||
                c.kind == ControlKind::Entry;
            if (!shown) continue;
            // Inside the control's frame, where its text stands.
            QRect area(widget->mapTo(frame, QPoint(0, 0)), widget->size());
            area.adjust(3, 3, -3, -3);
            if (area.width() < 6 || area.height() < 6) continue;
            const QColor text = widget->palette().color(QPalette::Active, widget->foregroundRole());
            auto* button = qobject_cast<QPushButton*>(widget);
            const QColor ground =
                button ? faceBehindText(*button, text) : groundColour(picture, area);
            EXPECT_GE(rt::qt::contrastRatio(text, ground), rt::qt::kLeastTextContrast)
                << "control " << c.number << " \"" << c.text << "\": " << text.name().toStdString()
                << " on " << ground.name().toStdString();
        }
        ASSERT_TRUE(session.finish());
    }
}

// A window that cannot grow tells the window manager so: its frame has one size and asks for
// no maximise button. One that can grow has room to, and a maximise button where its
// structure asks for one.
TEST(AllWindowsQt, AWindowThatCannotGrowOffersNoMaximiseButton) {
    int fixed = 0;
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        SCOPED_TRACE(named.name);
        const rt::WindowStructure& s = *named.structure;
        Opened opened;
        qttest::QtSession session;
        rt::Window* w = startWindow(session, s, opened);
        QWidget* frame = session.shownWindow(w);
        ASSERT_NE(frame, nullptr);
        session.settle();
        ASSERT_NE(frame->windowHandle(), nullptr);
        const Qt::WindowFlags flags = frame->windowHandle()->flags();
        if (s.resizable || s.frame == rt::FrameKind::Resizable) {
            EXPECT_NE(frame->minimumSize(), frame->maximumSize());
            EXPECT_EQ(bool(flags & Qt::WindowMaximizeButtonHint), s.maximizeBox);
        } else {
            ++fixed;
            EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
            EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        }
        ASSERT_TRUE(session.finish());
    }
    EXPECT_GT(fixed, 50);
}

// Every picture a window names (its icon, wallpaper, cursor, a button's or an image's
// picture) is a file the program ships.
TEST(AllWindowsQt, EveryPictureAWindowNamesIsShipped) {
    rt::qt::ensureApplication();  // the built-in pictures come from the style
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        SCOPED_TRACE(named.name);
        const rt::WindowStructure& s = *named.structure;
        for (const std::string& picture : {s.icon, s.wallpaper.file, s.cursor})
            if (!picture.empty()) {
                EXPECT_TRUE(rt::qt::findResource(picture)) << picture;
            }
        for (const rt::ControlStructure& c : s.controls) {
            for (const std::string& picture : {c.icon, c.cursor}) {
                if (picture.empty() || rt::qt::findResource(picture)) continue;
                if (!rt::qt::builtinIcon(picture).isNull()) continue;
                ADD_FAILURE() << "control " << c.number << " names " << picture;
            }
        }
    }
}

// Every face a window or a report names resolves, on the screen and on paper alike, to one
// family that is installed (the font Qt hands back is that family, not a stand-in).
TEST(AllWindowsQt, EveryFaceResolvesToTheSameInstalledFamilyOnScreenAndPaper) {
    rt::qt::ensureApplication();
    // The faces of the report structures, and the windows' own.
    std::set<std::string> faces = {"Arial",        "Times New Roman", "MS Serif",
                                   "Aldine721 BT", "Aldine721 Lt BT", "Americana XBdCn BT"};
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        faces.insert(named.structure->font.name);
        for (const rt::ControlStructure& c : named.structure->controls)
            faces.insert(c.font.name);
    }
    for (const std::string& face : faces) {
        SCOPED_TRACE("\"" + face + "\"");
        // Qt adds the foundry ("[urw]") where two foundries make a family of that name.
        const QString family = rt::qt::fontFamilyFor(face);
        const QString screen = QFontInfo(rt::qt::uiFont({face, 10})).family();
        const QString paper = QFontInfo(rt::qt::pageFont({face, 10, rt::kFontRegular})).family();
        EXPECT_EQ(screen, paper);
        EXPECT_TRUE(screen == family || screen.startsWith(family + " [")) << screen.toStdString();
    }
}

}  // namespace
