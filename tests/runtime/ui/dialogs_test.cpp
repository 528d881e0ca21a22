// Message boxes, popup menus, file and printer dialogs, beeps and the cursor, answered
// through the driver.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "drivers/driver.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/program.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/ui_test_support.h"
#include "tests/support/temp_dir.h"

using rt::ControlKind;
using uitest::control;

namespace {

// Runs `ask` from a button of a small window, so that the dialog opens inside an event.
void runAsking(rt::Driver& d, std::function<void()> ask) {
    d.start([ask] {
        rt::Window w(uitest::window("Ask", {control(1, ControlKind::Button, "Ask")}));
        w.open();
        while (w.accept())
            if (w.event() == EVENT::Accepted) ask();
    });
    d.waitWindow("Ask");
    d.press("Ask");
}

}  // namespace

TEST(Dialogs, MessageBoxAnswersTheButtonPressedAndShowsWhatItWasGiven) {
    int answer = 0;
    rt::Driver d;
    runAsking(d, [&] {
        answer = rt::message("Do you want to save the changes to this record?", "Update Cancelled",
                             ICON::Question, BUTTON::Yes | BUTTON::No | BUTTON::Cancel, BUTTON::No);
    });
    auto dialogs = d.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Update Cancelled");
    EXPECT_EQ(dialogs[0]->icon, ICON::Question);
    EXPECT_EQ(dialogs[0]->defaultButton, BUTTON::No);
    d.expectMessage("Do you want to save the changes to this record?");
    EXPECT_THROW(d.answer("OK"), rt::DriverError);  // not one of its buttons
    EXPECT_THROW(d.press("Ask"), rt::DriverError);  // the window waits behind the box
    d.answer("Cancel");
    EXPECT_EQ(answer, BUTTON::Cancel);
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(Dialogs, ADefaultButtonThatIsNotOfferedFallsBackToTheFirst) {
    int answer = 0;
    rt::Driver d;
    runAsking(d, [&] {
        answer = rt::message("Retry?", "", ICON::Hand, BUTTON::Retry | BUTTON::Cancel, BUTTON::Yes);
    });
    EXPECT_EQ(d.backend().pendingDialogs().at(0)->defaultButton, BUTTON::Retry);
    d.cancel();
    EXPECT_EQ(answer, BUTTON::Cancel);
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(Dialogs, PopupMenuAnswersTheItemNumberWithoutSeparators) {
    std::vector<int> answers;
    rt::Driver d;
    runAsking(d, [&] { answers.push_back(rt::popup("&Add|~&Open|&Delete|-|Cop&y")); });
    d.answer("Copy");
    d.press("Ask");
    d.cancel();
    d.press("Ask");
    EXPECT_THROW(d.answer("Open"), rt::DriverError);  // greyed
    d.answer("&Delete");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(answers, (std::vector<int>{4, 0, 3}));
}

TEST(Dialogs, SaveDialogAsksBeforeReplacingAFile) {
    testsupport::TempDir dir(true);
    { std::ofstream("EXISTS.CSV") << "x"; }
    std::optional<std::string> chosen, cancelled;
    rt::Driver d;
    int asked = 0;
    runAsking(d, [&] {
        if (++asked == 1) {
            chosen = rt::fileDialog("Export", "Export Files|*.CSV|All Files|*.*", "OUT.CSV", true);
        } else {
            cancelled = rt::fileDialog("Import", "Import Files|*.CSV|All Files|*.*");
        }
    });
    auto dialogs = d.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    ASSERT_EQ(dialogs[0]->filters.size(), 2u);
    EXPECT_EQ(dialogs[0]->filters[0].description, "Export Files");
    EXPECT_EQ(dialogs[0]->filters[1].pattern, "*.*");
    EXPECT_EQ(dialogs[0]->fileName, "OUT.CSV");
    EXPECT_TRUE(dialogs[0]->save);
    d.answer("EXISTS.CSV");
    d.expectMessage("EXISTS.CSV already exists.\nDo you want to replace it?");
    d.answer("No");  // the file dialog comes again
    d.answer("NEW.CSV");
    EXPECT_EQ(chosen, "NEW.CSV");
    d.press("Ask");
    d.cancel();
    EXPECT_EQ(cancelled, std::nullopt);
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(Dialogs, PrinterSetupKeepsTheSettingsUnlessConfirmed) {
    rt::PrinterSettings settings;
    settings.device = "Office";
    std::vector<bool> results;
    rt::Driver d;
    runAsking(d, [&] { results.push_back(rt::printerDialog("Print Setup", settings)); });
    auto dialog = d.backend().pendingDialogs().at(0);
    EXPECT_EQ(dialog->printer.device, "Office");
    dialog->printer.copies = 3;
    d.answer("OK");
    EXPECT_EQ(settings.copies, 3);
    d.press("Ask");
    d.backend().pendingDialogs().at(0)->printer.copies = 9;
    d.cancel();
    EXPECT_EQ(settings.copies, 3);
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(results, (std::vector<bool>{true, false}));
}

TEST(Dialogs, BeepWaitCursorAndProgramIconReachTheBackend) {
    rt::Driver d;
    runAsking(d, [] {
        rt::setCursor(CURSOR::Wait);
        rt::beep();
        rt::beep();
        rt::setProgramIcon("~PC04.ICO");
    });
    EXPECT_EQ(d.backend().beeps(), 2);
    EXPECT_EQ(d.backend().cursor(), CURSOR::Wait);
    EXPECT_EQ(d.backend().programIcon(), "~PC04.ICO");
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(Dialogs, AMessageBoxLeftOpenWhenTheProgramEndsAnswersItsDefault) {
    std::vector<int> answers;
    rt::Driver d;
    runAsking(d, [&] {
        answers.push_back(
            rt::message("Quit?", "", ICON::Question, BUTTON::Yes | BUTTON::No, BUTTON::No));
    });
    ASSERT_TRUE(d.finish());  // answers the box with No, then closes the window
    EXPECT_EQ(answers, (std::vector<int>{BUTTON::No}));
}

TEST(Dialogs, AMessageThatComesAfterTimerWorkIsWaitedFor) {
    int timers = 0;
    rt::Driver d;
    d.start([&] {
        rt::WindowStructure structure = uitest::window("Progress", {});
        structure.timer = 10;
        rt::Window w(structure);
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::Timer && ++timers == 5) {
                rt::message("Report done");
                w.post(EVENT::CloseWindow);
            }
        }
    });
    d.expectMessage("Report done");
    d.answer("OK");
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(timers, 5);
    EXPECT_EQ(d.backend().clock(), 50);
}
