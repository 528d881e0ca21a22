// Window-wide behaviour through Qt: wallpaper, MICR entries, the window font's colour, windows
// over windows, timers, the wait cursor, and a whole program run by runQtProgram.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <optional>

#include "runtime/print/page_spool.h"
#include "runtime/qt/qt_control_widgets.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_list.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using qttest::control;
using rt::ControlKind;

rt::WindowStructure simpleWindow(std::string title) {
    rt::WindowStructure w;
    w.title = std::move(title);
    w.at = {0, 0, 200, 100};
    w.controls.push_back(control(1, ControlKind::Button, "&Next", {10, 80, 40, 14}));
    return w;
}

// Runs a window's loop until it closes; `onEvent` sees each event first.
void runWindow(rt::Window& w, const std::function<void(rt::Window&)>& onEvent = {}) {
    w.open();
    while (w.accept())
        if (onEvent) onEvent(w);
}

bool isDark(QColor c) {
    return c.lightness() < 100;
}

TEST(QtWindowTest, TiledWallpaperAndMicrEntry) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Wallpaper");
        structure.wallpaper = {"C:\\pictures\\TILE_24.BMP", true, false};
        rt::ControlStructure micr = control(2, ControlKind::Entry, "", {10, 10, 120, 14});
        micr.font.name = "MICR 013 BT";
        structure.controls.push_back(micr);
        rt::Window w(structure);
        w.open();
        w.setProp(2, PROP::Text, "A0123456789A");
        window = &w;
        runWindow(w);
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();
    QWidget* client = session.backend().clientArea(window);
    QImage shot = client->grab().toImage();
    QImage tile = rt::qt::loadPicture("Tile_24.bmp");
    ASSERT_EQ(tile.size(), QSize(96, 96));
    for (QPoint at : {QPoint(230, 20), QPoint(200, 90), QPoint(5, 110)}) {
        SCOPED_TRACE(at.x());
        ASSERT_TRUE(shot.rect().contains(at));
        EXPECT_EQ(shot.pixelColor(at), tile.pixelColor(at.x() % 96, at.y() % 96));
    }

    auto* entry = dynamic_cast<rt::qt::EntryWidget*>(session.backend().controlWidget(window, 2));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isMicr());
    QImage drawn = entry->grab().toImage();
    int y = drawn.height() / 2;
    int inside = 0, beyond = 0;
    for (int x = 0; x < drawn.width() - 2; ++x) {
        bool dark = isDark(drawn.pixelColor(x, y)) || isDark(drawn.pixelColor(x, y + 3));
        if (x >= entry->micrX(0) && x < entry->micrX(12)) inside += dark;
        if (x > entry->micrX(12) + 1) beyond += dark;
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(beyond, 0);
    // Twelve characters at eight to the inch on a 96 dpi screen: 144 pixels.
    EXPECT_EQ(entry->micrX(12) - entry->micrX(0), 144);
}

// A window's font colour reaches the texts standing on its background; an entry keeps its
// own white ground and dark text.
TEST(QtWindowTest, PromptsTakeTheWindowFontsColour) {
    rt::WindowStructure structure = simpleWindow("Coloured");
    structure.font = {"Arial", 10, true, false, 0xFFFFFF};
    structure.background = 0x800000;
    structure.controls.push_back(control(2, ControlKind::Prompt, "WWWWWW", {10, 10, 80, 12}));
    rt::ControlStructure entry = control(3, ControlKind::Entry, "", {10, 30, 80, 13});
    entry.use = "LOC:Shown";
    structure.controls.push_back(entry);
    std::atomic<rt::Window*> opened{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::Window w(structure);
        w.open();
        w.setProp(3, PROP::Text, "WWWWWW");
        opened = &w;
        while (w.accept()) {
        }
    });
    rt::Window* w = opened;
    ASSERT_NE(session.shownWindow(w), nullptr);
    session.settle();
    // The lightest and darkest pixels of each control.
    auto extremes = [&](int control) {
        const QImage drawn = session.backend().controlWidget(w, control)->grab().toImage();
        int lightest = 0, darkest = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                lightest = std::max(lightest, drawn.pixelColor(x, y).lightness());
                darkest = std::min(darkest, drawn.pixelColor(x, y).lightness());
            }
        return std::pair{lightest, darkest};
    };
    const auto [promptLight, promptDark] = extremes(2);
    EXPECT_GT(promptLight, 230);  // white letters on the dark ground
    EXPECT_GT(promptDark, 20);    // and no black ones
    const auto [entryLight, entryDark] = extremes(3);
    EXPECT_GT(entryLight, 230);
    EXPECT_LT(entryDark, 60);  // dark letters on the entry's white
    EXPECT_TRUE(session.finish());
}

TEST(QtWindowTest, AWindowOverAnotherOfItsThreadIsModalToIt) {
    std::atomic<rt::Window*> outer{nullptr}, inner{nullptr};
    qttest::EventLog log;
    qttest::QtSession session;
    session.start([&] {
        rt::Window a(simpleWindow("Outer"));
        outer = &a;
        runWindow(a, [&](rt::Window& w) {
            log.add(w.event(), w.field());
            if (w.event() != EVENT::Accepted) return;
            rt::Window b(simpleWindow("Inner"));
            inner = &b;
            runWindow(b);
            inner = nullptr;
        });
    });
    QWidget* first = session.shownWindow(outer);
    ASSERT_NE(first, nullptr);
    auto* next = qobject_cast<QPushButton*>(session.backend().controlWidget(outer, 1));
    QTest::mouseClick(next, Qt::LeftButton);
    session.settle();
    QWidget* second = session.shownWindow(inner);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->parentWidget(), first);
    EXPECT_EQ(second->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(second->isWindow());
    // A click on the outer window meanwhile reaches no procedure.
    next->click();
    session.settle();
    second->close();
    session.settle();
    EXPECT_EQ(inner.load(), nullptr);
    EXPECT_EQ(session.backend().windowWidget(outer), first);
    first->close();
    ASSERT_TRUE(session.finish());
    std::vector<std::pair<int, int>> want = {{EVENT::OpenWindow, 0},
                                             {EVENT::Accepted, 1},
                                             {EVENT::GainFocus, 0},
                                             {EVENT::CloseWindow, 0}};
    EXPECT_EQ(log.take(), want);
}

TEST(QtWindowTest, AViewLeftOverFromAClosedWindowDoesNotFeedTheWindowBuiltInItsPlace) {
    std::atomic<rt::Window*> first{nullptr}, second{nullptr};
    qttest::EventLog log;
    qttest::QtSession session;
    session.start([&] {
        std::optional<rt::Window> slot;
        slot.emplace(simpleWindow("First"));
        slot->open();
        first = &*slot;
        while (slot->accept() && slot->event() != EVENT::Accepted) {
        }
        slot.reset();
        slot.emplace(simpleWindow("Second"));  // the same address as the first
        second = &*slot;
        runWindow(*slot, [&](rt::Window& w) { log.add(w.event(), w.field()); });
    });
    ASSERT_NE(session.shownWindow(first), nullptr);
    auto* next = qobject_cast<QPushButton*>(session.backend().controlWidget(first, 1));
    ASSERT_NE(next, nullptr);
    next->click();
    // The program has replaced the window, but the GUI has not yet heard of it: the old
    // view is still up and the user clicks it once more.
    ASSERT_TRUE(rt::Scheduler::instance().waitIdle(5000));
    ASSERT_EQ(second.load(), first.load());
    ASSERT_EQ(session.backend().controlWidget(first, 1), next);
    next->click();
    session.settle();
    QWidget* shown = session.shownWindow(second);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), "Second");
    shown->close();
    ASSERT_TRUE(session.finish());
    std::vector<std::pair<int, int>> want = {{EVENT::OpenWindow, 0}, {EVENT::CloseWindow, 0}};
    EXPECT_EQ(log.take(), want);
}

// The colour of the tool bar's empty end and the face of its first tool button, as shown.
struct ToolbarColours {
    QColor bar, button;
};

ToolbarColours toolbarColours(const rt::WindowStructure& structure) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::Window w(structure);
        window = &w;
        runWindow(w);
    });
    ToolbarColours seen;
    EXPECT_NE(session.shownWindow(window), nullptr);
    session.settle();
    int tool = 0;
    for (int n : window.load()->controlNumbers())
        if (window.load()->control(n)->structure.toolbar) {
            tool = n;
            break;
        }
    QWidget* button = session.backend().controlWidget(window, tool);
    if (!button) {
        ADD_FAILURE() << "no tool button";
        return seen;
    }
    QWidget* bar = button->parentWidget();
    QImage shot = bar->grab().toImage();
    seen.bar = shot.pixelColor(shot.width() - 3, shot.height() / 2);
    seen.button = shot.pixelColor(button->geometry().center() + QPoint(0, button->height() / 3));
    QWidget* frame = session.backend().windowWidget(window);
    frame->close();
    EXPECT_TRUE(session.finish());
    return seen;
}

TEST(QtWindowTest, TheToolBarShowsItsOwnColourAndTheSystemsByDefault) {
    const QColor navy(0, 0, 128);
    rt::WindowStructure coloured = simpleWindow("Coloured");
    coloured.toolbar = {0, 0, 200, 21};
    coloured.toolbarBackground = 0x000080;
    rt::ControlStructure button = control(2, ControlKind::Button, "Tool", {1, 2, 19, 17});
    button.toolbar = true;
    coloured.controls.push_back(button);
    ToolbarColours menu = toolbarColours(coloured);
    EXPECT_EQ(menu.bar, navy);
    EXPECT_NE(menu.button, navy);  // the buttons keep their own face

    rt::WindowStructure plain = simpleWindow("Plain");
    plain.toolbar = {0, 0, 200, 21};
    plain.background = 0x00FF00;
    rt::ControlStructure tool = control(2, ControlKind::Button, "Tool", {1, 2, 19, 17});
    tool.toolbar = true;
    plain.controls.push_back(tool);
    ToolbarColours system = toolbarColours(plain);
    EXPECT_EQ(system.bar, QApplication::palette().color(QPalette::Window));
}

TEST(QtWindowTest, AClickOnARegionGivesItsPositionInDialogUnitsOfTheClientArea) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::EventLog log;
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Grid");
        structure.controls.push_back(control(2, ControlKind::Region, "", {5, 27, 84, 72}));
        rt::Window w(structure);
        window = &w;
        runWindow(w, [&](rt::Window& w) {
            if (w.event() == EVENT::MouseUp) log.add(w.mouseX(), w.mouseY());
        });
    });
    ASSERT_NE(session.shownWindow(window), nullptr);
    QWidget* region = session.backend().controlWidget(window, 2);
    ASSERT_NE(region, nullptr);
    rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont({}));
    QPoint at = QPoint(du.x(20), du.y(40)) - region->pos();
    QTest::mouseClick(region, Qt::LeftButton, {}, at);
    session.settle();
    session.backend().windowWidget(window)->close();
    ASSERT_TRUE(session.finish());
    std::vector<std::pair<int, int>> want = {{20, 40}};
    EXPECT_EQ(log.take(), want);
}

TEST(QtWindowTest, TimerFiresAndWaitCursorShowsWhileBusy) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::EventLog log;
    qttest::QtSession session;
    session.start([&] {
        rt::setCursor(CURSOR::Wait);
        rt::WindowStructure structure = simpleWindow("Timer");
        structure.timer = 5;
        rt::Window w(structure);
        window = &w;
        runWindow(w, [&](rt::Window& w) {
            log.add(w.event(), w.field());
            if (w.event() == EVENT::Timer) {
                rt::setCursor(CURSOR::Normal);
                w.post(EVENT::CloseWindow);
            }
        });
    });
    QCoreApplication::processEvents();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.ended(); }, 5000));
    session.settle();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    std::vector<std::pair<int, int>> want = {
        {EVENT::OpenWindow, 0}, {EVENT::Timer, 0}, {EVENT::CloseWindow, 0}};
    EXPECT_EQ(log.take(), want);
}

TEST(QtWindowTest, ListIconColumnsShowTheirPictures) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Icons");
        rt::ControlStructure list = control(2, ControlKind::List, "", {10, 10, 150, 50});
        list.format = "80L(2)I~Name~@s20@";
        structure.controls.push_back(list);
        rt::Window w(structure);
        std::vector<std::vector<rt::Value>> rows = {{rt::Value("Due"), rt::Value(rt::Decimal(1))},
                                                    {rt::Value("Past"), rt::Value(rt::Decimal(2))},
                                                    {rt::Value("None"), rt::Value(rt::Decimal(0))}};
        w.setRows(2, rt::rowsFrom(rows));
        w.open();
        w.setListIcon(2, 1, "~Blueb.ico");
        w.setListIcon(2, 2, "Redb.ico");
        window = &w;
        runWindow(w);
    });
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    auto* list = static_cast<rt::qt::ListView*>(session.backend().controlWidget(window, 2));
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_FALSE(list->rowIcon(1, 0).isNull());
    EXPECT_FALSE(list->rowIcon(2, 0).isNull());
    EXPECT_TRUE(list->rowIcon(3, 0).isNull());
    // The blue button of row 1 and the red one of row 2, at the start of their rows.
    QImage shot = list->viewport()->grab().toImage();
    int side = std::min(16, list->rowRect(1).height() - 2);
    int x = rt::qt::dialogUnitsOf(rt::qt::uiFont({})).x(2) + 2 + side / 2;
    QColor blue = shot.pixelColor(x, list->rowRect(1).top() + 1 + side / 2);
    QColor red = shot.pixelColor(x, list->rowRect(2).top() + 1 + side / 2);
    EXPECT_GT(blue.blue(), blue.red() + 40);
    EXPECT_GT(red.red(), red.blue() + 40);
}

TEST(QtWindowTest, ResizingAResizableWindowTellsTheModel) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::EventLog log;
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Sizes");
        structure.frame = rt::FrameKind::Resizable;
        structure.resizable = true;
        structure.minWidth = 100;
        structure.minHeight = 50;
        rt::Window w(structure);
        window = &w;
        runWindow(w, [&](rt::Window& w) { log.add(w.event(), w.field()); });
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();
    QWidget* client = session.backend().clientArea(window);
    rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont({}));
    EXPECT_EQ(client->size(), QSize(du.x(200), du.y(100)));
    frame->resize(frame->width() + du.x(40), frame->height() + du.y(20));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        return window.load()->position(0).width == 240;
    }));
    EXPECT_EQ(window.load()->position(0).height, 120);
    frame->close();
    ASSERT_TRUE(session.finish());
    std::vector<std::pair<int, int>> want = {
        {EVENT::OpenWindow, 0}, {EVENT::Sized, 0}, {EVENT::CloseWindow, 0}};
    EXPECT_EQ(log.take(), want);
}

// A centred window stays centred until the user drags it; the model then knows its new place,
// and a place the program gives moves the frame there.
TEST(QtWindowTest, TheModelKnowsWhereTheUserMovedTheWindow) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::Window w(simpleWindow("Places"));
        window = &w;
        runWindow(w, [&](rt::Window& w) {
            if (w.event() != EVENT::Accepted) return;
            w.setProp(0, PROP::Xpos, 30);
            w.setProp(0, PROP::Ypos, 40);
        });
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();
    rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont({}));
    auto standsAt = [&](int x, int y) {
        return QTest::qWaitFor([&] {
            session.settle();
            const rt::Rect at = window.load()->position(0);
            return at.x == x && at.y == y;
        });
    };
    EXPECT_EQ(window.load()->position(0).x, 0);  // centred: no place of its own yet

    frame->move(du.x(12), du.y(16));
    EXPECT_TRUE(standsAt(12, 16));
    EXPECT_EQ(frame->pos(), QPoint(du.x(12), du.y(16)));

    QTest::mouseClick(qobject_cast<QPushButton*>(session.backend().controlWidget(window, 1)),
                      Qt::LeftButton);
    EXPECT_TRUE(standsAt(30, 40));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        return frame->pos() == QPoint(du.x(30), du.y(40));
    }));
    frame->close();
    ASSERT_TRUE(session.finish());
}

TEST(QtWindowTest, AWindowThatOpensMaximisedFillsTheScreenAndTheModelKnowsItsSize) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Pages");
        structure.frame = rt::FrameKind::Resizable;
        structure.resizable = true;
        structure.maximizeBox = true;
        structure.maximized = true;
        rt::Window w(structure);
        window = &w;
        runWindow(w);
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        session.settle();
        return window.load()->position(0).width > 200;
    }));
    frame->close();
    ASSERT_TRUE(session.finish());
}

TEST(QtWindowTest, ImageShowsASpooledPageScaledToFit) {
    rt::Page page;
    rt::PageBox box;
    box.width = page.width / 2;
    box.height = page.height / 2;
    box.fill = rt::kBlack;
    page.items.push_back(box);
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    ASSERT_TRUE(spool.append(rt::Page{}, error)) << error;  // the page shown is not the first
    ASSERT_TRUE(spool.append(page, error)) << error;
    const std::string file = spool.pageName(1);

    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure structure = simpleWindow("Preview");
        structure.controls.push_back(control(2, ControlKind::Image, "", {10, 5, 85, 70}));
        rt::Window w(structure);
        w.open();
        w.setProp(2, PROP::PageFile, file);
        window = &w;
        runWindow(w);
    });
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    QWidget* image = session.backend().controlWidget(window, 2);
    ASSERT_NE(image, nullptr);
    QImage shot = image->grab().toImage();
    int w = shot.width(), h = shot.height();
    EXPECT_EQ(shot.pixelColor(w / 4, h / 4), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(3 * w / 4, 3 * h / 4), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(3 * w / 4, h / 4), QColor(Qt::white));
}

// A program that opens a window and closes it on its first timer event.
int runSmallProgram() {
    static char name[] = "tovik";
    static char* argv[] = {name, nullptr};
    int code = rt::qt::runQtProgram(1, argv, [] {
        rt::WindowStructure structure = simpleWindow("Main");
        structure.timer = 2;
        rt::Window w(structure);
        runWindow(w, [](rt::Window& w) {
            if (w.event() == EVENT::Timer) w.post(EVENT::CloseWindow);
        });
    });
    return code == 0 ? 42 : code;
}

// In a child process of its own: runQtProgram makes the program's QApplication.
TEST(QtProgramDeathTest, RunQtProgramReturnsWhenTheMainProcedureEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(runSmallProgram()), ::testing::ExitedWithCode(42), "");
}

}  // namespace
