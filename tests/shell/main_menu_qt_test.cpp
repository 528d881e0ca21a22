// The intro window and the main menu as real widgets (offscreen): the intro gives way to the
// main menu after its 3 seconds, which shows its title, tool bar and buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>
#include <QWidget>
#include <cstdlib>
#include <vector>

#include "frame/program_end.h"
#include "runtime/system/desktop_programs.h"
#include "shell/program_main.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

QWidget* topLevelTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) return w;
    return nullptr;
}

TEST(MainMenuWidgets, IntroGivesWayToTheMainMenuWithItsToolBar) {
    testsupport::TempDir dir(/*enter=*/true);
    desktop::SetLaunchRecorder([](const desktop::Launch&) {});
    ResetProgramExitCode();
    qttest::QtSession session;
    session.start(&ProgramMain);
    const QString title = QString::fromUtf8("Ridar Uzad  Version 5.55");
    if (const char* out = std::getenv("TOVIK_SNAPSHOT_INTRO")) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->grab().save(QString(out));
    }
    // The intro's timer runs for 3 seconds; its expiry is delivered here at once.
    std::vector<QTimer*> introTimers;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            for (QTimer* t : w->findChildren<QTimer*>())
                if (t->isActive() && t->interval() == 3000) introTimers.push_back(t);
    ASSERT_EQ(introTimers.size(), 1u);
    EXPECT_EQ(topLevelTitled(title), nullptr) << "the main menu waits for the intro";
    QTimerEvent expiry(introTimers.front()->timerId());
    QCoreApplication::sendEvent(introTimers.front(), &expiry);
    QWidget* menu = nullptr;
    for (int i = 0; i < 20 && !menu; ++i) {
        session.settle();
        menu = topLevelTitled(title);
    }
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
    desktop::SetLaunchRecorder(nullptr);
    EXPECT_EQ(ProgramExitCode(), 0);
}

}  // namespace
