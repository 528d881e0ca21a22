// The intro window and the main menu as real widgets (offscreen): the intro gives way to the
// main menu after its 3 seconds, which shows its title, tool bar and buttons; Escape leaves
// it open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>
#include <QWidget>
#include <atomic>
#include <cstdlib>
#include <vector>

#include "frame/procedure_registry.h"
#include "frame/program_end.h"
#include "runtime/system/desktop_programs.h"
#include "shell/main_menu_window.h"
#include "shell/program_main.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

QWidget* topLevelTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) return w;
    return nullptr;
}

const QString kMenuTitle = QString::fromUtf8("Ridar Uzad  Version 5.55");

// Starts the program and lets the intro's 3 seconds run out at once: the main menu shown.
QWidget* startToTheMainMenu(qttest::QtSession& session) {
    session.start(&ProgramMain);
    if (const char* out = std::getenv("TOVIK_SNAPSHOT_INTRO")) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->grab().save(QString(out));
    }
    std::vector<QTimer*> introTimers;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            for (QTimer* t : w->findChildren<QTimer*>())
                if (t->isActive() && t->interval() == 3000) introTimers.push_back(t);
    EXPECT_EQ(introTimers.size(), 1u);
    if (introTimers.size() != 1) return nullptr;
    EXPECT_EQ(topLevelTitled(kMenuTitle), nullptr) << "the main menu waits for the intro";
    QTimerEvent expiry(introTimers.front()->timerId());
    QCoreApplication::sendEvent(introTimers.front(), &expiry);
    QWidget* menu = nullptr;
    for (int i = 0; i < 20 && !menu; ++i) {
        session.settle();
        menu = topLevelTitled(kMenuTitle);
    }
    return menu;
}

class MainMenuWidgets : public testing::Test {
  protected:
    void SetUp() override {
        desktop::SetLaunchRecorder([](const desktop::Launch&) {});
        ResetProgramExitCode();
    }
    void TearDown() override { desktop::SetLaunchRecorder(nullptr); }

    testsupport::TempDir dir{/*enter=*/true};
};

TEST_F(MainMenuWidgets, IntroGivesWayToTheMainMenuWithItsToolBar) {
    qttest::QtSession session;
    QWidget* menu = startToTheMainMenu(session);
    ASSERT_NE(menu, nullptr);
    int toolButtons = 0, enabled = 0;
    for (QToolButton* b : menu->findChildren<QToolButton*>()) {
        if (!b->isVisible()) continue;
        ++toolButtons;
        if (b->isEnabled()) ++enabled;
    }
    EXPECT_EQ(toolButtons, 16);
    EXPECT_EQ(enabled, 3);  // the calculator, the file manager and the word processor
    if (const char* out = std::getenv("TOVIK_SNAPSHOT")) menu->grab().save(QString(out));
    EXPECT_TRUE(session.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
}

// Escape never ends the program: not on the main menu, nor the second of two Escapes typed
// to back out of a window the menu called.
TEST_F(MainMenuWidgets, EscapeLeavesTheMainMenuOpen) {
    std::atomic<bool> calledOpen = false;
    RegisterProcedure("ZipCode", [&calledOpen] {
        rt::WindowStructure s;
        s.title = "Called";
        s.at = {0, 0, 100, 40};
        qttest::addControl(s, 1, rt::ControlKind::Button, "Close", {10, 10, 40, 14});
        rt::Window w(s);
        w.open();
        calledOpen = true;
        while (w.accept()) {
        }
        calledOpen = false;
    });
    qttest::QtSession session;
    QWidget* menu = startToTheMainMenu(session);
    ASSERT_NE(menu, nullptr);
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    qttest::keyAt(1000, Qt::Key_Escape);
    session.settle();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(session.ended());
    // Zip Codes calls the window; two Escapes close it and leave the menu.
    session.click(qttest::topWindow(), windows::main_menu::MenuControl::ZipCodes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calledOpen.load(); }));
    session.shownTop();
    qttest::keyAt(3000, Qt::Key_Escape);
    qttest::keyAt(3040, Qt::Key_Escape);
    session.settle();
    EXPECT_FALSE(calledOpen);
    qttest::keyAt(4000, Qt::Key_Escape);
    session.settle();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(session.ended());
    RegisterProcedure("ZipCode", nullptr);
    EXPECT_TRUE(session.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
}

}  // namespace
