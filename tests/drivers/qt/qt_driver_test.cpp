// The scenario steps played on real widgets (the Qt driver) leave a procedure in the state the
// same steps leave it in on the window models (the headless driver): one table of scripts,
// each played both ways over one small window.
#include <gtest/gtest.h>

#include <QApplication>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include "drivers/driver.h"
#include "drivers/qt/qt_driver.h"
#include "runtime/qt/page_painter.h"
#include "runtime/ui/dialogs.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using rt::ControlKind;

rt::WindowStructure stepsWindow() {
    rt::WindowStructure w;
    w.title = "Steps";
    w.at = {0, 0, 220, 150};
    w.timer = 20;
    auto add = [&](int number, ControlKind kind, std::string text,
                   rt::Rect at) -> rt::ControlStructure& {
        return qttest::addControl(w, number, kind, std::move(text), at);
    };
    add(1, ControlKind::Entry, "", {10, 10, 100, 12}).use = "NAME";
    rt::ControlStructure& list = add(2, ControlKind::List, "", {10, 28, 120, 70});
    list.format = "80L~Name~";
    list.verticalScroll = true;
    add(3, ControlKind::Button, "&OK", {10, 128, 40, 14}).isDefault = true;
    add(4, ControlKind::Check, "Tagged", {140, 10, 60, 12}).use = "TAG";
    rt::ControlStructure& kind = add(5, ControlKind::DropList, "", {140, 28, 70, 60});
    kind.use = "KIND";
    kind.from = "Home|Work|Fax";
    add(6, ControlKind::Button, "Menu", {60, 128, 40, 14});
    add(7, ControlKind::Button, "File", {110, 128, 40, 14});
    add(8, ControlKind::Region, "", {140, 100, 60, 20});
    add(9, ControlKind::Button, "Ask", {160, 128, 40, 14});
    add(10, ControlKind::Button, "Open", {10, 106, 40, 14});
    return w;
}

// What the procedure ends with.
struct Outcome {
    std::string name, tag, kind, chosenFile, answer;
    int selectedRow = 0, popupChoice = -1, timers = 0, thumb = -1, okPresses = 0;
    int doubleClicks = 0, regionX = -1, regionY = -1;
};

// Records what the steps did. Written by the application thread, read after the program.
struct StepsProgram {
    Outcome out;
    std::mutex mutex;

    void operator()() {
        std::string name, tag, kind;
        rt::Window w(stepsWindow(), [&](std::string_view use) -> rt::BindingPtr {
            if (use == "NAME") return rt::bindText("NAME", name);
            if (use == "TAG") return rt::bindText("TAG", tag);
            if (use == "KIND") return rt::bindText("KIND", kind);
            return nullptr;
        });
        std::vector<std::vector<rt::Value>> rows;
        for (int i = 1; i <= 50; ++i)
            rows.push_back({rt::Value("Row " + std::to_string(i))});
        w.setRows(2, rt::rowsFrom(rows));
        w.open();
        Outcome o;
        while (w.accept()) {
            const int e = w.event(), f = w.field();
            if (e == EVENT::Timer) ++o.timers;
            if (e == EVENT::ScrollDrag) o.thumb = w.prop(2, PROP::VerticalThumb);
            if (e == EVENT::Accepted && f == 2) ++o.doubleClicks;
            if (e == EVENT::Accepted && f == 3) ++o.okPresses;
            if (e == EVENT::Accepted && f == 6) o.popupChoice = rt::popup("&Add|&Open|-|&Close");
            if (e == EVENT::Accepted && f == 7)
                if (auto file = rt::fileDialog("Choose", "Text|*.txt", "", true))
                    o.chosenFile = *file;
            // An open dialog that suggests a file in another folder than the working one.
            if (e == EVENT::Accepted && f == 10)
                if (auto file = rt::fileDialog("Open", "Text|*.txt", "elsewhere/suggested.txt"))
                    o.chosenFile = *file;
            if (e == EVENT::Accepted && f == 8) {
                o.regionX = w.mouseX();
                o.regionY = w.mouseY();
            }
            if (e == EVENT::Accepted && f == 9)
                o.answer = rt::message("Go on?", "Steps", ICON::Question, BUTTON::Yes | BUTTON::No,
                                       BUTTON::Yes) == BUTTON::No
                               ? "No"
                               : "Yes";
        }
        o.name = name;
        o.tag = tag;
        o.kind = kind;
        o.selectedRow = w.prop(2, PROP::SelectedRow);
        std::lock_guard lock(mutex);
        out = o;
    }
};

struct StepsCase {
    const char* what;
    const char* script;
    std::function<void(const Outcome&)> check;
};

const StepsCase kCases[] = {
    {"typing, then the default button by Enter", "type NAME \"Hello\"\nkey \"Enter\"\nclose\n",
     [](const Outcome& o) {
         EXPECT_EQ(o.name, "Hello");
         EXPECT_EQ(o.okPresses, 1);
     }},
    {"typing over text", "type NAME \"Hello\"\npress \"&OK\"\ntype NAME \"Bye\"\nclose\n",
     [](const Outcome& o) { EXPECT_EQ(o.name, "Bye"); }},
    {"rows chosen, read and double-clicked",
     "choose 2 3\nexpect 2 \"Row 3\"\nexpect row 2 5 \"Row 5\"\nclick 2 4 \"DoubleClick\"\n"
     "close\n",
     [](const Outcome& o) {
         EXPECT_EQ(o.selectedRow, 4);
         EXPECT_EQ(o.doubleClicks, 1);
     }},
    // Fifty rows in a list that shows fewer: the list scrolls itself to the row.
    {"a row below what the list shows", "choose 2 18\nexpect row 2 18 \"Row 18\"\nclose\n",
     [](const Outcome& o) { EXPECT_EQ(o.selectedRow, 18); }},
    // Rows far apart, each chosen after the list scrolled away from it.
    {"rows far from the one before",
     "choose 2 1\nexpect 2 \"Row 1\"\nchoose 2 20\nexpect 2 \"Row 20\"\nchoose 2 2\n"
     "expect 2 \"Row 2\"\nchoose 2 40\nexpect 2 \"Row 40\"\nchoose 2 3\nexpect 2 \"Row 3\"\n"
     "close\n",
     [](const Outcome& o) { EXPECT_EQ(o.selectedRow, 3); }},
    {"a check box and a drop list",
     "press \"Tagged\"\nexpect 4 \"1\"\nchoose KIND 2\nexpect KIND \"Work\"\nclose\n",
     [](const Outcome& o) {
         EXPECT_EQ(o.tag, "1");
         EXPECT_EQ(o.kind, "Work");
     }},
    {"a popup menu", "press \"Menu\"\nanswer \"Open\"\nclose\n",
     [](const Outcome& o) { EXPECT_EQ(o.popupChoice, 2); }},
    {"a message box", "press \"Ask\"\nexpect message \"Go on?\"\nanswer \"No\"\nclose\n",
     [](const Outcome& o) { EXPECT_EQ(o.answer, "No"); }},
    {"a file dialog", "press \"File\"\nanswer \"chosen.txt\"\nclose\n",
     [](const Outcome& o) {
         EXPECT_TRUE(o.chosenFile.size() >= 10 &&
                     o.chosenFile.compare(o.chosenFile.size() - 10, 10, "chosen.txt") == 0)
             << o.chosenFile;
     }},
    // The name is taken from the working folder, not from the folder the dialog shows.
    {"a file dialog showing another folder", "press \"Open\"\nanswer \"wanted.txt\"\nclose\n",
     [](const Outcome& o) {
         EXPECT_TRUE(o.chosenFile.ends_with("wanted.txt")) << o.chosenFile;
         EXPECT_EQ(std::filesystem::canonical(o.chosenFile),
                   std::filesystem::canonical("wanted.txt"));
     }},
    {"a region clicked at a place", "clickat 8 150 105 \"LeftClick\"\nclose\n",
     [](const Outcome& o) {
         EXPECT_NEAR(o.regionX, 150, 1);
         EXPECT_NEAR(o.regionY, 105, 1);
     }},
    {"the thumb and the timer", "thumb 2 50\ntimer\nclose\n",
     [](const Outcome& o) {
         EXPECT_NEAR(o.thumb, 50, 2);  // a dragged thumb moves by whole pixels
         EXPECT_GE(o.timers, 1);
     }},
};

void writeFiles(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        std::filesystem::create_directories(std::filesystem::path(name).parent_path().empty()
                                                ? "."
                                                : std::filesystem::path(name).parent_path());
        std::ofstream(name) << "text\n";
    }
}

class DriverParity : public testing::TestWithParam<bool> {};

TEST_P(DriverParity, EveryStepLeavesTheProcedureAsTheOtherDriverDoes) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    writeFiles({"elsewhere/suggested.txt", "wanted.txt"});
    for (const StepsCase& c : kCases) {
        SCOPED_TRACE(c.what);
        StepsProgram program;
        std::istringstream script(std::string("window \"Steps\"\n") + c.script);
        rt::ScenarioResult result;
        if (GetParam()) {
            rt::qt::QtDriver driver;
            result = rt::runScenarioWith(
                driver, script, [&] { program(); }, c.what);
        } else {
            result = rt::runScenario(
                script, [&] { program(); }, c.what);
        }
        ASSERT_TRUE(result.passed) << result.report;
        std::lock_guard lock(program.mutex);
        c.check(program.out);
    }
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWidgets, DriverParity, testing::Bool(),
                         [](const auto& info) { return info.param ? "Widgets" : "Headless"; });

// A control standing over another is found out: the press says what covers it.
TEST(QtDriver, APressOnACoveredButtonSaysWhatCoversIt) {
    rt::qt::ensureApplication();
    rt::WindowStructure w;
    w.title = "Covered";
    w.at = {0, 0, 120, 60};
    rt::ControlStructure button;
    button.number = 1;
    button.kind = ControlKind::Button;
    button.text = "Hidden";
    button.at = {10, 10, 40, 14};
    rt::ControlStructure cover;
    cover.number = 2;
    cover.kind = ControlKind::Entry;
    cover.at = {5, 5, 60, 30};
    w.controls = {button, cover};
    std::istringstream script("window \"Covered\"\npress \"Hidden\"\n");
    rt::qt::QtDriver driver;
    rt::ScenarioResult result = rt::runScenarioWith(
        driver, script,
        [&] {
            rt::Window window(w);
            window.open();
            while (window.accept()) {
            }
        },
        "covered");
    EXPECT_FALSE(result.passed);
    EXPECT_NE(result.report.find("is covered by"), std::string::npos) << result.report;
}

// A name the open dialog refuses fails the step with the dialog's own words; the step does
// not wait for ever in the dialog's message box.
TEST(QtDriver, AFileTheOpenDialogRefusesFailsTheStepWithItsReason) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    writeFiles({"elsewhere/suggested.txt"});
    StepsProgram program;
    std::istringstream script("window \"Steps\"\npress \"Open\"\nanswer \"missing.txt\"\n");
    rt::qt::QtDriver driver;
    rt::ScenarioResult result = rt::runScenarioWith(
        driver, script, [&] { program(); }, "refused");
    EXPECT_FALSE(result.passed);
    EXPECT_NE(result.report.find("refused"), std::string::npos) << result.report;
    EXPECT_NE(result.report.find("missing.txt"), std::string::npos) << result.report;
    std::lock_guard lock(program.mutex);
    EXPECT_EQ(program.out.chosenFile, "");
}

}  // namespace
