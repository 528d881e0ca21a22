// The demonstration program driven through the driver and through a scenario file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "drivers/driver.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/demo_program.h"
#include "tests/runtime/ui/ui_test_support.h"
#include "tests/support/temp_dir.h"

using rt::ControlKind;
using rt::ControlName;
using uitest::control;

namespace {

std::string field(const auto& array) {
    return std::string(rt::clip({array.data(), array.size()}));
}

// Runs the demo program in the scenario runner; the record is read from inside the
// program's thread when it ends.
rt::ScenarioResult runDemo(std::istream& script, demo::Record* out = nullptr) {
    return rt::runScenario(
        script,
        [out] {
            demo::clearRecord();
            demo::demoProgram();
            if (out) *out = demo::record();
        },
        "demo");
}

}  // namespace

TEST(Scenario, TheDemonstrationScenarioFilePasses) {
    std::ifstream script(std::string(UI_TEST_DIR) + "/demo.scenario");
    ASSERT_TRUE(script.good());
    demo::Record record;
    rt::ScenarioResult result = runDemo(script, &record);
    ASSERT_TRUE(result.passed) << result.report;
    EXPECT_EQ(result.report.rfind("demo passed", 0), 0u) << result.report;
    EXPECT_EQ(field(record.firstName), "Ada");
    EXPECT_EQ(field(record.state), "NY");
    EXPECT_EQ(record.notes, "First line");
    EXPECT_EQ(field(record.member), "Y");
    EXPECT_EQ(field(record.kind), "Prospect");
    EXPECT_EQ(record.amount, rt::Decimal("1234.50"));
    EXPECT_EQ(record.copies, 3);
    EXPECT_EQ(field(record.color), "Green");
    EXPECT_EQ(field(record.size), "Medium");
    EXPECT_EQ(record.routing, 123456789);
    EXPECT_EQ(record.chosenName, "Name08");
}

TEST(Scenario, AFailingStepReportsItsLineTheReasonAndADump) {
    struct Case {
        const char* script;
        int line;
        const char* reason;
    };
    for (Case c : {
             Case{"window \"Demo Controls\"\n# comment\npress \"Nope\"\n", 3,
                  "has no control \"Nope\""},
             Case{"window \"Other\"\n", 1, "the active window is \"Demo Controls\""},
             Case{"expect DEM:FIRSTNAME \"Bob\"\n", 1, "shows \"\", not \"Bob\""},
             Case{"press 14\n", 1, "cannot be pressed"},
             Case{"press \"&Money\"\ntype DEM:FIRSTNAME \"x\"\n", 2, "hidden"},
             Case{"answer \"OK\"\n", 1, "no dialog"},
             Case{"press \"&Greet\"\npress \"&Save\"\n", 2, "message box"},
             Case{"key \"Hyper+Q\"\n", 1, "unknown key"},
             Case{"fly away\n", 1, "unknown step"},
             Case{"type DEM:FIRSTNAME \"\xC5\x81ukasz\"\n", 1,
                  "holds the character U+0141, which the program's code page lacks"},
             Case{"type DEM:FIRSTNAME \"Zo\xEB\"\n", 1, "the line is not UTF-8 text"},
         }) {
        std::istringstream script(c.script);
        rt::ScenarioResult result = runDemo(script);
        EXPECT_FALSE(result.passed) << c.script;
        EXPECT_EQ(result.line, c.line) << result.report;
        EXPECT_NE(result.report.find(c.reason), std::string::npos) << result.report;
        EXPECT_NE(result.report.find("window \"Demo Controls\""), std::string::npos)
            << result.report;  // the dump
    }
}

// Scenario text is UTF-8, as typed text reaches the program: "Zoë" typed is stored as the
// program's "Zoë", and found again by a step that names it.
TEST(Scenario, TextIsTakenAsUtf8AsTypedTextReachesTheProgram) {
    std::istringstream script(
        "window \"Demo Controls\"\n"
        "type DEM:FIRSTNAME \"Zo\xC3\xAB\"\n"
        "expect DEM:FIRSTNAME \"Zo\xC3\xAB\"\n");
    demo::Record record;
    const rt::ScenarioResult result = runDemo(script, &record);
    ASSERT_TRUE(result.passed) << result.report;
    EXPECT_EQ(field(record.firstName), "Zo\xEB");
}

TEST(Driver, NamesThatFitSeveralControlsFail) {
    rt::Driver d;
    d.start([] {
        rt::Window w(uitest::window("Twins", {control(1, ControlKind::Button, "&Go"),
                                              control(2, ControlKind::Button, "G&o")}));
        w.open();
        while (w.accept()) {
        }
    });
    d.waitWindow("Twins");
    EXPECT_THROW(d.press("Go"), rt::DriverError);
    d.press(2);
    ASSERT_TRUE(d.finish());
}

TEST(Driver, DumpShowsEveryControlWithItsStateAndTheListRows) {
    std::istringstream script(
        "window \"Demo Controls\"\ntype DEM:FIRSTNAME \"Ada\"\npress \"Open List\"\n"
        "window \"Demo List\"\ndump\n");
    rt::ScenarioResult result = runDemo(script);
    ASSERT_TRUE(result.passed) << result.report;
    EXPECT_NE(result.report.find("window \"Demo List\""), std::string::npos) << result.report;
    EXPECT_NE(result.report.find("1 LIST \"Name01 | 100.00\""), std::string::npos) << result.report;
    EXPECT_NE(result.report.find("> 1: Name01 | 100.00"), std::string::npos) << result.report;
    EXPECT_NE(result.report.find("5: Name05 | 500.00"), std::string::npos) << result.report;
    EXPECT_EQ(result.report.find("6: Name06"), std::string::npos) << result.report;
}

TEST(Driver, TheDumpMarksHiddenDisabledAndRequiredControls) {
    rt::Driver d;
    d.start([] {
        demo::clearRecord();
        demo::demoProgram();
    });
    d.waitWindow("Demo Controls");
    d.active()->setProp(41, PROP::Disable, 1);
    std::string dump = d.dump();
    EXPECT_NE(dump.find("14 ENTRY DEM:FIRSTNAME \"\" required"), std::string::npos) << dump;
    EXPECT_NE(dump.find("21 ENTRY DEM:AMOUNT \"0.00\" hidden"), std::string::npos) << dump;
    EXPECT_NE(dump.find("41 BUTTON \"Cancel\" disabled"), std::string::npos) << dump;
    EXPECT_THROW(d.press("Cancel"), rt::DriverError);
    d.key("F2");  // a disabled button's key does nothing
    EXPECT_TRUE(d.active() != nullptr);
    d.press(35);  // the region
    EXPECT_EQ(d.active()->status(1), "Region clicked");
    d.press("E&xit");
    d.answer("No");
    ASSERT_TRUE(d.finish());
}

TEST(Driver, ListScrollKeysRaiseScrollEventsEvenOnTheEdgeRows) {
    std::istringstream script(
        "window \"Demo Controls\"\npress \"Open List\"\nwindow \"Demo List\"\n"
        "key \"Down\"\nkey \"Down\"\nkey \"Down\"\nkey \"Down\"\nexpect 1 \"Name05 | 500.00\"\n"
        "key \"Down\"\nexpect 1 \"Name06 | 600.00\"\nexpect row 1 1 \"Name02 | 200.00\"\n"
        "key \"Ctrl+PgDn\"\nexpect 1 \"Name50 | 5,000.00\"\nexpect row 1 1 \"Name46 | 4,600.00\"\n"
        "key \"Ctrl+PgUp\"\nexpect 1 \"Name01 | 100.00\"\nkey \"Up\"\nexpect 1 \"Name01 | "
        "100.00\"\n"
        "thumb 1 50\nexpect row 1 1 \"Name25 | 2,500.00\"\n"
        "key \"3\"\nexpect row 1 1 \"Name30 | 3,000.00\"\n"
        "click 1 2 \"RightClick\"\nanswer \"&Select\"\nwindow \"Demo Controls\"\npress "
        "\"Cancel\"\n");
    demo::Record record;
    rt::ScenarioResult result = runDemo(script, &record);
    ASSERT_TRUE(result.passed) << result.report;
    EXPECT_EQ(record.chosenName, "Name31");
}

TEST(Driver, ListPropertiesAndDoubleClick) {
    rt::Driver d;
    d.start([] {
        demo::clearRecord();
        demo::demoProgram();
    });
    d.waitWindow("Demo Controls");
    d.press("Open List");
    d.waitWindow("Demo List");
    rt::Window& w = *d.active();
    EXPECT_EQ(w.prop(1, PROP::VisibleRows), 5);  // 60 units: a header and five rows
    EXPECT_EQ(w.prop(1, PROP::SelectedRow), 1);
    EXPECT_EQ(w.prop(1, PROP::VerticalThumb), 0);
    d.key("PgDn");
    EXPECT_EQ(w.prop(1, PROP::VerticalThumb), 50);
    EXPECT_THROW(d.choose(ControlName::parse("1"), 6), rt::DriverError);
    // Popup items that are greyed cannot be chosen.
    d.click(ControlName::parse("1"), 2, "RightClick");
    EXPECT_THROW(d.answer("&Delete"), rt::DriverError);
    d.cancel();
    EXPECT_EQ(w.prop(1, PROP::SelectedRow), 2);
    d.click(ControlName::parse("1"), 4, "DoubleClick");
    d.waitWindow("Demo Controls");
    d.press("Cancel");
    ASSERT_TRUE(d.finish());
}

TEST(Driver, ARefusedCloseAsksAndStays) {
    std::istringstream script(
        "window \"Demo Controls\"\nclose\nexpect message \"Do you want to save the changes to "
        "this record?\"\nanswer \"Cancel\"\nwindow \"Demo Controls\"\nkey \"Alt+F4\"\n"
        "answer \"Yes\"\n");
    rt::ScenarioResult result = runDemo(script);
    EXPECT_TRUE(result.passed) << result.report;
}

TEST(Driver, TheProgramEndsEvenWhenTheScriptLeavesWindowsOpen) {
    std::istringstream script(
        "window \"Demo Controls\"\npress \"Open List\"\nwindow \"Demo List\"\n");
    rt::ScenarioResult result = runDemo(script);
    EXPECT_TRUE(result.passed) << result.report;
}

TEST(Driver, AWindowWithoutTitleIsKnownByItsStatusText) {
    rt::Driver d;
    d.start([] {
        rt::WindowStructure structure = uitest::window("", {control(1, ControlKind::Button, "Go")});
        structure.statusZones = {100};
        structure.timer = 50;
        rt::Window w(structure);
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::Timer) w.setProp(0, PROP::StatusText, "Working");
        }
    });
    d.waitWindow("Working");
    EXPECT_EQ(d.backend().clock(), 50);
    d.close();
    ASSERT_TRUE(d.finish());
}

// A region tells where it was clicked: every event of the click sees the same position,
// in dialog units of the client area; a script can click at a position too.
TEST(Driver, ARegionClickCarriesItsPositionToEachOfItsEvents) {
    struct Seen {
        int event, control, x, y;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    auto program = [&] {
        rt::Window w(uitest::window("Grid", {control(1, ControlKind::Region, "",
                                                     [](auto& c) {
                                                         c.at = {5, 27, 84, 72};
                                                     }),
                                             control(2, ControlKind::Button, "Go")}));
        w.open();
        while (w.accept())
            if (w.field() == 1) seen.push_back({w.event(), w.field(), w.mouseX(), w.mouseY()});
    };
    std::istringstream script(
        "window \"Grid\"\nclickat 1 20 40 \"LeftClick\"\nclickat 1 77 87 \"DoubleClick\"\n");
    rt::ScenarioResult result = rt::runScenario(script, program, "grid");
    EXPECT_TRUE(result.passed) << result.report;
    std::vector<Seen> want = {
        {EVENT::MouseDown, 1, 20, 40}, {EVENT::MouseUp, 1, 20, 40}, {EVENT::Accepted, 1, 20, 40},
        {EVENT::MouseDown, 1, 77, 87}, {EVENT::MouseUp, 1, 77, 87}, {EVENT::Accepted, 1, 77, 87},
    };
    EXPECT_EQ(seen, want);

    std::istringstream clickOnButton("clickat \"Go\" 1 1 \"LeftClick\"\n");
    result = rt::runScenario(clickOnButton, program, "grid");
    EXPECT_FALSE(result.passed);
    EXPECT_NE(result.report.find("no region"), std::string::npos) << result.report;
}

TEST(Scenario, AFailedStepEndsAFormWhoseCloseQuestionDefaultKeepsItOpen) {
    // The form asks before closing; its default ("save") fails and keeps the form open, so
    // only the discarding answer ends the program after a failed step.
    std::vector<int> answers;
    auto program = [&] {
        rt::Window w(uitest::window("Form", {control(1, ControlKind::Entry)}));
        w.open();
        while (w.accept()) {
            if (w.event() != EVENT::CloseWindow) continue;
            int a = rt::message("Save changes?", "Form", ICON::Question,
                                BUTTON::Yes | BUTTON::No | BUTTON::Cancel, BUTTON::Yes);
            answers.push_back(a);
            if (a != BUTTON::No) w.consume();
        }
    };
    std::istringstream script("window \"Form\"\npress \"Missing\"\n");
    rt::ScenarioResult result = rt::runScenario(script, program, "form");
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.line, 2);
    EXPECT_NE(result.report.find("form failed at line 2"), std::string::npos) << result.report;
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.front(), BUTTON::Yes);
    EXPECT_EQ(answers.back(), BUTTON::No);  // the form closed, so the program ended
}
