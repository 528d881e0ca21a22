// A window with every control kind, built from its structure and shown through Qt: the
// widgets stand where the dialog units say, show the model's values and follow its changes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_list.h"
#include "runtime/ui/codes.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using rt::ControlKind;
using rt::ControlStructure;

ControlStructure control(int number, ControlKind kind, std::string text, rt::Rect at,
                         const std::function<void(ControlStructure&)>& more = {}) {
    ControlStructure c;
    c.number = number;
    c.kind = kind;
    c.text = std::move(text);
    c.at = at;
    if (more) more(c);
    return c;
}

constexpr int kGrey = 0xC0C0C0;
constexpr int kRed = 0xFF0000;

rt::WindowStructure allControls() {
    rt::WindowStructure w;
    w.title = "All Controls";
    w.at = {0, 0, 360, 170};
    w.background = kGrey;
    w.icon = "C:\\icon4\\Computer.ico";
    w.cursor = "3dsarro.cur";
    w.toolbar = {0, 0, 360, 21};
    w.statusZones = {100, -1};
    auto& c = w.controls;
    c.push_back(control(1, ControlKind::Menu, "&File", {}));
    c.push_back(control(2, ControlKind::Item, "&Open", {}, [](auto& s) { s.parent = 1; }));
    c.push_back(control(3, ControlKind::Item, "", {}, [](auto& s) {
        s.parent = 1;
        s.separator = true;
    }));
    c.push_back(control(4, ControlKind::Item, "E&xit", {}, [](auto& s) {
        s.parent = 1;
        s.action = rt::StandardAction::Close;
    }));
    c.push_back(control(11, ControlKind::Button, "", {}, [](auto& s) {
        s.toolbar = true;
        s.icon = "C:\\ICO\\CRDFLE04.ICO";
        s.tip = "Names & Information Files";
    }));
    c.push_back(control(12, ControlKind::Button, "", {}, [](auto& s) {
        s.toolbar = true;
        s.icon = "C:\\nowhere\\NOSUCH99.ICO";
        s.tip = "Missing";
    }));
    c.push_back(control(10, ControlKind::Button, "&OK", {10, 150, 50, 14},
                        [](auto& s) { s.isDefault = true; }));
    c.push_back(control(20, ControlKind::Prompt, "&Name:", {10, 10, 40, 10}));
    c.push_back(control(21, ControlKind::Entry, "", {55, 10, 100, 12}, [](auto& s) {
        s.use = "NAME";
        s.picture = "@s20";
    }));
    c.push_back(control(22, ControlKind::Text, "", {55, 26, 100, 30}));
    c.push_back(control(23, ControlKind::String, "Hello", {170, 10, 60, 10}));
    c.push_back(control(24, ControlKind::Check, "Tagged", {170, 26, 60, 10}));
    c.push_back(control(25, ControlKind::Option, "Kind", {170, 40, 80, 40}));
    c.push_back(
        control(26, ControlKind::Radio, "One", {175, 50, 60, 10}, [](auto& s) { s.parent = 25; }));
    c.push_back(
        control(27, ControlKind::Radio, "Two", {175, 62, 60, 10}, [](auto& s) { s.parent = 25; }));
    c.push_back(control(28, ControlKind::Spin, "", {10, 60, 40, 12}, [](auto& s) {
        s.rangeLow = 1;
        s.rangeHigh = 10;
    }));
    c.push_back(
        control(29, ControlKind::Combo, "", {55, 60, 50, 12}, [](auto& s) { s.from = "A|B|C"; }));
    c.push_back(control(30, ControlKind::DropList, "", {110, 60, 50, 12},
                        [](auto& s) { s.from = "Red|Green"; }));
    c.push_back(control(31, ControlKind::List, "", {10, 80, 150, 60}, [](auto& s) {
        s.format = "60L|M~Name~@s20@40R~Amount~@n7.2@";
        s.verticalScroll = true;
    }));
    c.push_back(control(32, ControlKind::Sheet, "", {250, 10, 100, 60}));
    c.push_back(control(33, ControlKind::Tab, "First", {}, [](auto& s) { s.parent = 32; }));
    c.push_back(control(34, ControlKind::Tab, "Second", {}, [](auto& s) { s.parent = 32; }));
    c.push_back(control(35, ControlKind::String, "On second", {255, 30, 60, 10},
                        [](auto& s) { s.parent = 34; }));
    c.push_back(control(36, ControlKind::Group, "Box", {250, 80, 100, 30}));
    c.push_back(
        control(37, ControlKind::Panel, "", {250, 115, 40, 20}, [](auto& s) { s.bevel = 2; }));
    c.push_back(control(38, ControlKind::Box, "", {295, 115, 20, 20},
                        [](auto& s) { s.background = kRed; }));
    c.push_back(control(39, ControlKind::Line, "", {250, 140, 100, 0}));
    c.push_back(control(40, ControlKind::Region, "", {170, 90, 60, 20}));
    c.push_back(control(41, ControlKind::Image, "", {320, 115, 16, 16},
                        [](auto& s) { s.icon = "Blueb.ico"; }));
    c.push_back(control(42, ControlKind::Progress, "", {170, 120, 60, 8}));
    return w;
}

class QtWidgetsTest : public ::testing::Test {
  protected:
    // Opens the window, lets `setUp` change it on the application thread, and then waits
    // for each `step` the test gives through `next`.
    void run(const rt::WindowStructure& structure, std::function<void(rt::Window&)> setUp = {}) {
        session.start([this, structure, setUp] {
            std::string name = "Smith";
            rt::Window w(structure, [&](std::string_view use) -> rt::BindingPtr {
                return use == "NAME" ? rt::bindText("NAME", name) : nullptr;
            });
            std::vector<std::vector<rt::Value>> rows = {
                {rt::Value("Adams"), rt::Value(rt::Decimal(1250))},
                {rt::Value("Baker"), rt::Value(rt::Decimal(99))},
                {rt::Value("Clark"), rt::Value(rt::Decimal(7))}};
            w.setRows(31, rt::rowsFrom(rows));
            w.open();
            window = &w;
            if (setUp) setUp(w);
            while (w.accept()) {
                if (w.event() == EVENT::Accepted && w.field() == 10) {
                    // The OK button runs the change the test asked for.
                    if (change) change(w);
                }
            }
            window = nullptr;
        });
    }

    qttest::QtSession session;
    std::atomic<rt::Window*> window{nullptr};
    std::function<void(rt::Window&)> change;
};

template <typename T>
T* widget(qttest::QtSession& s, rt::Window* w, int control) {
    return qobject_cast<T*>(s.backend().controlWidget(w, control));
}

TEST_F(QtWidgetsTest, EveryControlKindStandsWhereItsDialogUnitsSay) {
    rt::WindowStructure structure = allControls();
    run(structure);
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();
    rt::Window* w = window;

    rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont(structure.font));
    // The default dialog font is a sans of 11 pixels: characters are 5 to 7 pixels wide.
    EXPECT_GE(du.charWidth, 5);
    EXPECT_LE(du.charWidth, 7);
    EXPECT_GE(du.charHeight, 12);
    EXPECT_LE(du.charHeight, 15);

    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(du.x(360), du.y(170)));
    EXPECT_EQ(frame->windowTitle(), "All Controls");
    EXPECT_FALSE(frame->windowIcon().isNull());

    struct Expect {
        int control;
        const char* qtClass;
    };
    const Expect kinds[] = {
        {10, "QPushButton"},  {20, "QLabel"},     {21, "QLineEdit"}, {22, "QPlainTextEdit"},
        {23, "QLabel"},       {24, "QCheckBox"},  {25, "QGroupBox"}, {26, "QRadioButton"},
        {27, "QRadioButton"}, {28, "QSpinBox"},   {29, "QComboBox"}, {30, "QComboBox"},
        {31, nullptr},        {32, "QTabWidget"}, {36, "QGroupBox"}, {37, "QFrame"},
        {38, "QFrame"},       {40, nullptr},      {41, nullptr},     {42, "QProgressBar"},
    };
    for (const Expect& e : kinds) {
        SCOPED_TRACE("control " + std::to_string(e.control));
        QWidget* widget = session.backend().controlWidget(w, e.control);
        ASSERT_NE(widget, nullptr);
        if (e.qtClass) {
            EXPECT_TRUE(widget->inherits(e.qtClass)) << widget->metaObject()->className();
        }
        EXPECT_EQ(widget->parentWidget(), client);
        const ControlStructure* cs = nullptr;
        for (const auto& c : structure.controls)
            if (c.number == e.control) cs = &c;
        QRect want(du.x(cs->at.x), du.y(cs->at.y), du.x(cs->at.width), du.y(cs->at.height));
        EXPECT_EQ(widget->geometry(), want);
    }
    // The line is a thin strip at its place; the string on the second tab is hidden.
    QWidget* line = session.backend().controlWidget(w, 39);
    EXPECT_EQ(line->geometry().topLeft(), QPoint(du.x(250), du.y(140)));
    EXPECT_EQ(line->width(), du.x(100));
    EXPECT_TRUE(session.backend().controlWidget(w, 23)->isVisible());
    EXPECT_FALSE(session.backend().controlWidget(w, 35)->isVisible());

    // Tool buttons sit side by side in the tool bar: one with its icon, one without.
    auto* cards = widget<QToolButton>(session, w, 11);
    auto* missing = widget<QToolButton>(session, w, 12);
    ASSERT_TRUE(cards && missing);
    EXPECT_NE(cards->parentWidget(), client);
    EXPECT_FALSE(cards->icon().isNull());
    EXPECT_TRUE(missing->icon().isNull());
    EXPECT_EQ(cards->geometry(), du.rect({1, 2, 19, 17}));
    EXPECT_EQ(missing->geometry(), du.rect({20, 2, 19, 17}));
    EXPECT_EQ(cards->toolTip(), "Names & Information Files");

    // Menu bar, status bar.
    auto* menuBar = frame->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    ASSERT_EQ(menuBar->actions().size(), 1);
    EXPECT_EQ(menuBar->actions()[0]->text(), "&File");
    EXPECT_EQ(menuBar->actions()[0]->menu()->actions().size(), 3);
    EXPECT_NE(frame->findChild<QStatusBar*>(), nullptr);

    // Values from the model.
    EXPECT_EQ(widget<QLineEdit>(session, w, 21)->text().trimmed(), "Smith");
    EXPECT_EQ(widget<QComboBox>(session, w, 30)->count(), 2);
    auto* tabs = widget<QTabWidget>(session, w, 32);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Second");
    auto* list = static_cast<rt::qt::ListView*>(session.backend().controlWidget(w, 31));
    EXPECT_EQ(list->rowCount(), 3);

    // The picture: the grey client, the red box, and the list's white rows (past the end
    // of "Clark" in the first column).
    QImage shot = client->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    if (const char* keep = std::getenv("TOVIK_KEEP_GRAB")) shot.save(keep);
    EXPECT_EQ(shot.pixelColor(du.x(240), du.y(150)), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shot.pixelColor(du.x(305), du.y(125)), QColor(0xFF, 0, 0));
    QRect row3 = list->rowRect(3).translated(list->viewport()->mapTo(client, QPoint(0, 0)));
    EXPECT_EQ(shot.pixelColor(row3.left() + du.x(45), row3.center().y()),
              list->palette().color(QPalette::Base));
    // The image control shows the icon's blue button in its middle.
    QColor image = shot.pixelColor(du.x(328), du.y(123));
    EXPECT_GT(image.blue(), image.red() + 40);
}

TEST_F(QtWidgetsTest, ModelChangesReachTheWidgets) {
    change = [](rt::Window& w) {
        w.setProp(23, PROP::Text, "Changed");
        w.setProp(21, PROP::Hide, 1);
        w.setPosition(10, {20, 140, 60, 16});
        w.setProp(24, PROP::Checked, 1);
        w.setProp(42, PROP::Progress, 40);
        w.setProp(0, PROP::Text, "Renamed");
        w.setProp(31, PROP::SelectedRow, 2);
        w.select(34);  // the second tab comes to the front
        int made = w.create(ControlKind::Button, 0, 50);
        w.setProp(made, PROP::Text, "Made");
        w.setPosition(made, {200, 150, 40, 14});
        w.destroy(40);
        w.setStatus(1, "Ready");
        w.setProp(29, PROP::Disable, 1);
        w.setRows(31, rt::rowsFrom([] { return 5; },
                                   [](int row, int field) {
                                       return field == 0 ? rt::Value("Name " + std::to_string(row))
                                                         : rt::Value(rt::Decimal(row));
                                   }));
    };
    run(allControls());
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    rt::Window* w = window;
    QTest::mouseClick(widget<QPushButton>(session, w, 10), Qt::LeftButton);
    session.settle();
    rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont({}));

    EXPECT_EQ(widget<QLabel>(session, w, 23)->text(), "Changed");
    EXPECT_FALSE(session.backend().controlWidget(w, 21)->isVisible());
    EXPECT_EQ(session.backend().controlWidget(w, 10)->geometry(),
              QRect(du.x(20), du.y(140), du.x(60), du.y(16)));
    EXPECT_TRUE(widget<QCheckBox>(session, w, 24)->isChecked());
    EXPECT_EQ(widget<QProgressBar>(session, w, 42)->value(), 40);
    EXPECT_EQ(frame->windowTitle(), "Renamed");
    EXPECT_EQ(widget<QTabWidget>(session, w, 32)->currentIndex(), 1);
    EXPECT_TRUE(session.backend().controlWidget(w, 35)->isVisible());
    auto* made = widget<QPushButton>(session, w, 50);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->text(), "Made");
    EXPECT_TRUE(made->isVisible());
    EXPECT_EQ(made->geometry(), QRect(du.x(200), du.y(150), du.x(40), du.y(14)));
    EXPECT_EQ(session.backend().controlWidget(w, 40), nullptr);
    auto* zone = frame->findChild<QStatusBar*>()->findChild<QLabel*>();
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->text(), "Ready");
    EXPECT_FALSE(session.backend().controlWidget(w, 29)->isEnabled());
    EXPECT_TRUE(session.backend().controlWidget(w, 30)->isEnabled());
    auto* list = static_cast<rt::qt::ListView*>(session.backend().controlWidget(w, 31));
    EXPECT_EQ(list->rowCount(), 5);
}

TEST_F(QtWidgetsTest, RadiosShowTheOptionsChoice) {
    run(allControls());
    ASSERT_NE(session.shownWindow(window), nullptr);
    rt::Window* w = window;
    auto* one = widget<QRadioButton>(session, w, 26);
    auto* two = widget<QRadioButton>(session, w, 27);
    EXPECT_FALSE(one->isChecked());
    EXPECT_FALSE(two->isChecked());
    for (int round = 0; round < 2; ++round) {  // a second click leaves the choice as it is
        QTest::mouseClick(two, Qt::LeftButton);
        session.settle();
        EXPECT_EQ(w->choice(25), 2);
        EXPECT_FALSE(one->isChecked());
        EXPECT_TRUE(two->isChecked());
    }
    QTest::mouseClick(one, Qt::LeftButton);
    session.settle();
    EXPECT_EQ(w->choice(25), 1);
    EXPECT_TRUE(one->isChecked());
    EXPECT_FALSE(two->isChecked());
}

// The arrow keys move through an option's radios and choose the radio they reach, so the
// focused radio is always the chosen one.
TEST_F(QtWidgetsTest, ArrowKeysChooseTheRadioTheyReach) {
    run(allControls());
    ASSERT_NE(session.shownWindow(window), nullptr);
    rt::Window* w = window;
    auto* one = widget<QRadioButton>(session, w, 26);
    auto* two = widget<QRadioButton>(session, w, 27);
    QTest::mouseClick(one, Qt::LeftButton);
    session.settle();
    ASSERT_EQ(w->choice(25), 1);
    struct Step {
        QRadioButton* from;
        Qt::Key key;
        QRadioButton* focused;
        int choice;
    };
    for (const Step& s : {Step{one, Qt::Key_Down, two, 2}, Step{two, Qt::Key_Up, one, 1},
                          Step{one, Qt::Key_Right, two, 2}, Step{two, Qt::Key_Left, one, 1}}) {
        QTest::keyClick(s.from, s.key);
        session.settle();
        EXPECT_TRUE(s.focused->hasFocus()) << s.key;
        EXPECT_EQ(w->choice(25), s.choice) << s.key;
        EXPECT_TRUE(s.focused->isChecked()) << s.key;
        EXPECT_FALSE(s.from->isChecked()) << s.key;
    }
}

}  // namespace

TEST_F(QtWidgetsTest, CentredAndRightAlignedStringsStandWithoutTheirPicturesPadding) {
    rt::WindowStructure structure;
    structure.title = "Labels";
    structure.at = {0, 0, 200, 80};
    const rt::Align aligns[] = {rt::Align::Center, rt::Align::Right, rt::Align::Left};
    for (int i = 0; i < 3; ++i) {
        rt::ControlStructure c;
        c.number = i + 1;
        c.kind = ControlKind::String;
        c.use = "NAME";
        c.picture = "@s20";
        c.align = aligns[i];
        c.at = {10, 10 + 20 * i, 150, 12};
        structure.controls.push_back(c);
    }
    run(structure);
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    EXPECT_EQ(widget<QLabel>(session, window, 1)->text(), "Smith");
    EXPECT_EQ(widget<QLabel>(session, window, 2)->text(), "Smith");
    // Left-aligned padding changes nothing on screen; the text is shown as it is.
    EXPECT_TRUE(widget<QLabel>(session, window, 3)->text().startsWith("Smith"));
}

TEST_F(QtWidgetsTest, APanelDrawsItsOuterBevelAndTheInnerOneInsideIt) {
    rt::WindowStructure structure;
    structure.title = "Panels";
    structure.at = {0, 0, 200, 80};
    const int bevels[][2] = {{-2, 1}, {-2, 0}};
    for (int i = 0; i < 2; ++i) {
        rt::ControlStructure c;
        c.number = i + 1;
        c.kind = ControlKind::Panel;
        c.bevel = bevels[i][0];
        c.innerBevel = bevels[i][1];
        c.at = {10, 10 + 30 * i, 100, 20};
        structure.controls.push_back(c);
    }
    run(structure);
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        QWidget* panel = session.backend().controlWidget(window, i + 1);
        ASSERT_NE(panel, nullptr);
        QImage shot = panel->grab().toImage();
        const QPalette& pal = panel->palette();
        auto at = [&](int x, int y) { return QColor(shot.pixel(x, y)).rgb(); };
        QRgb dark = pal.dark().color().rgb(), light = pal.light().color().rgb();
        int right = shot.width() - 1, bottom = shot.height() - 1, middle = shot.height() / 2;
        // Sunken outer edge, two pixels: dark at the top left, light at the bottom right.
        EXPECT_EQ(at(1, middle), dark);
        EXPECT_EQ(at(right - 1, middle), light);
        // Raised inner edge, one pixel inside it: light at the top left, dark at the bottom
        // right; none on the panel that has no inner bevel.
        bool inner = bevels[i][1] != 0;
        EXPECT_EQ(at(2, middle) == light, inner);
        EXPECT_EQ(at(middle, bottom - 2) == dark, inner);
        EXPECT_EQ(at(right - 2, middle) == dark, inner);
    }
}

TEST_F(QtWidgetsTest, AnImageShowsItsContentMovedByItsScrollPositions) {
    testsupport::TempDir dir;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 5; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    std::string file = (dir.path() / "halves.png").string();
    ASSERT_TRUE(picture.save(QString::fromStdString(file)));
    rt::WindowStructure structure;
    structure.title = "Scrolled";
    structure.at = {0, 0, 120, 100};
    for (int i = 0; i < 2; ++i) {
        rt::ControlStructure c;
        c.number = i + 1;
        c.kind = ControlKind::Image;
        c.icon = file;
        c.at = {10 + 50 * i, 10, 40, 40};
        structure.controls.push_back(c);
    }
    run(structure, [](rt::Window& w) {
        w.setProp(2, PROP::VerticalScroll, 30);  // into the lower half
        w.setProp(2, PROP::HorizontalScroll, 4);
    });
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    QImage still = session.backend().controlWidget(window, 1)->grab().toImage();
    QImage moved = session.backend().controlWidget(window, 2)->grab().toImage();
    EXPECT_EQ(QColor(still.pixel(20, 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(moved.pixel(20, 2)), QColor(0, 0, 255));
}

// A button in a colour of its own still shows when it is disabled: its text greys as any
// disabled button's does, and takes the colour back once it is enabled.
TEST_F(QtWidgetsTest, ADisabledButtonInAColourOfItsOwnLooksDisabled) {
    rt::WindowStructure structure;
    structure.title = "Colours";
    structure.at = {0, 0, 160, 60};
    // Button 10 (the test's OK) runs the change; button 2 starts disabled.
    for (int n : {10, 2})
        structure.controls.push_back(control(n, ControlKind::Button, "Delete",
                                             {n == 10 ? 10 : 80, 10, 60, 16},
                                             [](auto& s) { s.font.color = kRed; }));
    run(structure, [](rt::Window& w) { w.setProp(2, PROP::Disable, 1); });
    ASSERT_NE(session.shownWindow(window), nullptr);
    auto redPixels = [&](int control) {
        QImage image = session.backend().controlWidget(window, control)->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor c(image.pixel(x, y));
                // Red, or the deeper red it is made to read on the grey face.
                if (c.red() > 120 && c.green() < 60 && c.blue() < 60) ++count;
            }
        return count;
    };
    EXPECT_GT(redPixels(10), 0);
    EXPECT_EQ(redPixels(2), 0) << "the disabled button shows its colour as if it were enabled";
    change = [](rt::Window& w) { w.setProp(2, PROP::Disable, 0); };
    QTest::mouseClick(widget<QPushButton>(session, window, 10), Qt::LeftButton);
    session.settle();
    EXPECT_GT(redPixels(2), 0);
}
