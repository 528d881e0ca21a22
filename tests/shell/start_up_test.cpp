// The program from its start to its end, driven headless: the intro window, the main menu,
// its buttons, background pictures and external programs, and the exit codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/program_end.h"
#include "records/config.h"
#include "records/plf.h"
#include "runtime/system/desktop_programs.h"
#include "runtime/text/fixed_text.h"
#include "shell/main_menu.h"
#include "shell/main_menu_window.h"
#include "shell/program_main.h"
#include "tests/frame/things_file.h"
#include "tests/support/temp_dir.h"

namespace {

namespace C = windows::main_menu::MenuControl;
const char* const kTitle = "Ridar Uzad  Version 5.55";

class StartUpTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetProgramExitCode();
        desktop::SetLaunchRecorder([this](const desktop::Launch& l) { launches.push_back(l); });
    }
    void TearDown() override {
        desktop::SetLaunchRecorder(nullptr);
        for (const auto& [name, calls] : calls)
            RegisterProcedure(name, nullptr);
    }
    static void storeProduct(const char* name) {
        ASSERT_EQ(PLF.create(), 0);
        ASSERT_EQ(PLF.open(), 0);
        PLF.clear();
        PLF::PRODUCTNAME.setText(name);
        ASSERT_EQ(PLF.add(), 0);
        PLF.close();
    }
    // Registers a stand-in for a procedure the main menu calls: it notes the request it
    // was called with.
    void registerStandIn(const std::string& name) {
        calls[name];
        RegisterProcedure(name, [this, name] {
            calls[name].push_back(GLO::Request);
            order.push_back(name);
            GLO::Request = 0;
            GLO::Response = RESP::Cancelled;
        });
    }
    std::string shown(int control) {
        return std::string(rt::clip(driver.active()->control(control)->shown));
    }
    void focus(int control) {
        rt::Input in;
        in.kind = rt::Input::Kind::Focus;
        in.control = control;
        driver.active()->postInput(in);
        driver.settle();
    }
    std::string wallpaper() {
        rt::Window* w = driver.active();
        return w->propText(0, PROP::Wallpaper) + (w->prop(0, PROP::Tiled) ? " tiled" : " untiled") +
               " " + std::to_string(w->prop(0, PROP::WallpaperUntiled));
    }
    static std::string describe(const MenuBackground& b) {
        return std::string(b.picture) + (b.tiled ? " tiled" : " untiled") + " " +
               std::to_string(b.untiledProperty);
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::vector<desktop::Launch> launches;
    std::map<std::string, std::vector<long>> calls;
    std::vector<std::string> order;
    rt::Driver driver;
};

TEST_F(StartUpTest, FirstStartInAnEmptyFolderShowsABlankNameAndLeavesEmptyFiles) {
    driver.start(&ProgramMain);
    ASSERT_NE(driver.active(), nullptr);
    EXPECT_EQ(driver.active()->structure().label, "P1$WINDOW");
    EXPECT_EQ(shown(1), "");
    driver.waitWindow(kTitle);  // the intro window's first timer event gives way
    EXPECT_EQ(shown(C::ProductName), "");
    driver.press("E&xit");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
    for (const char* name : {"PLF.KVF", "CONFIG.KVF"}) {
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    }
    for (rt::RecordFile* file : {&PLF, &CONFIG}) {
        EXPECT_EQ(file->open(), 0) << file->name();
        EXPECT_EQ(file->records(), 0) << file->name();
        file->close();
    }
    ASSERT_EQ(launches.size(), 1u);  // the chime
    EXPECT_EQ(launches[0].request, "C:\\WINDOWS\\MEDIA\\Chimes.wav");
}

TEST_F(StartUpTest, ProductNameOfTheFirstRecordIsShownAndARightClickClosesTheIntro) {
    storeProduct("Tovik Contact Manager");
    driver.start(&ProgramMain);
    EXPECT_EQ(shown(1), "Tovik Contact Manager");
    driver.key("RightClick");
    driver.settle();
    ASSERT_NE(driver.active(), nullptr);
    EXPECT_EQ(driver.active()->title(), kTitle);
    EXPECT_EQ(shown(C::ProductName), "Tovik Contact Manager");
    EXPECT_EQ(wallpaper(), "image1.gif tiled 0");
    driver.press(C::ExitButton);
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
}

TEST_F(StartUpTest, IntroClosesOnAnyMouseClickOrItsFirstTimerButNotOnAKey) {
    const char* const clicks[] = {"LeftClick", "DoubleClick", "RightClick"};
    for (const char* click : clicks) {
        SCOPED_TRACE(click);
        rt::Driver run;
        run.start(&ProgramMain);
        ASSERT_NE(run.active(), nullptr);
        EXPECT_EQ(run.active()->prop(0, PROP::Timer), 300);  // 3 seconds
        run.click(rt::ControlName{rt::ControlName::By::Number, 1, {}}, 0, click);
        ASSERT_NE(run.active(), nullptr);
        EXPECT_EQ(run.active()->title(), kTitle);
        run.close();
        ASSERT_TRUE(run.finish());
    }
    // A key is no click: the intro stays until its timer fires.
    driver.start(&ProgramMain);
    driver.key("Enter");
    driver.key("Space");
    ASSERT_NE(driver.active(), nullptr);
    EXPECT_EQ(driver.active()->structure().label, "P1$WINDOW");
    driver.timer();
    ASSERT_NE(driver.active(), nullptr);
    EXPECT_EQ(driver.active()->title(), kTitle);
    driver.close();
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
}

TEST_F(StartUpTest, ButtonsWithoutTheirProcedureAreDisabledAndTheOthersCallIt) {
    registerStandIn("ZipCode");
    driver.start(&ProgramMain);
    driver.waitWindow(kTitle);
    rt::Window* w = driver.active();
    EXPECT_TRUE(w->isEnabled(C::ZipCodes));
    for (int c : {C::Names, C::Contacts, C::BlankChecks, C::Help, C::WebBookmarks})
        EXPECT_FALSE(w->isEnabled(c)) << c;
    for (int c : {C::Calculator, C::FileManager, C::WordProcessor, C::ExitButton})
        EXPECT_TRUE(w->isEnabled(c)) << c;
    driver.press("Zip Codes");
    EXPECT_THAT(calls["ZipCode"], testing::ElementsAre(REQ::None));
    driver.close();
    ASSERT_TRUE(driver.finish());
}

TEST_F(StartUpTest, BackgroundPictureFollowsTheFocusAndTheReturnOfEachCall) {
    struct Row {
        int control;
        const char* onSelected;  // nullptr: unchanged
        const char* afterCall;
    };
    const Row table[] = {
        {C::BlankChecks, "image10.gif untiled 1", nullptr},
        {C::Appointments, "image9.gif untiled 1", "Image4.gif untiled 1"},
        {C::Contacts, "image5.gif untiled 1", nullptr},
        {C::MonthlyDrafts, "image10.gif untiled 1", nullptr},
        {C::CheckRegister, "image10.gif untiled 1", nullptr},
        {C::ChecksToPrint, "image10.gif untiled 1", nullptr},
        {C::Invoices, "image3.gif untiled 1", "image2.gif tiled 0"},
        {C::BusinessCards, nullptr, "image1.gif tiled 0"},
        {C::AreaCodes, "image12.gif tiled 0", "image2.gif tiled 0"},
        {C::ZipCodes, "image11.gif tiled 0", "Image4.gif untiled 1"},
        {C::Names, "image7.gif untiled 1", nullptr},
        {C::WebBookmarks, "image6.gif untiled 1", "image7.gif untiled 1"},
        {C::ImportExport, nullptr, nullptr},
        {C::Help, nullptr, nullptr},
    };
    for (const char* name : {"BrowseMAIL", "BrowseContacts", "BrowseAppointments",
                             "SelectInvoiceCompany", "PostChecksToPrint", "BrowseCheckRegister",
                             "BrowseMonthlyDrafts", "ClearBlankCheckNumbers", "BrowseBlankChecks",
                             "ZipCode", "AreaCodes", "ImportExportMenu", "BrowsePrintBusinessCards",
                             "HelpBrowse", "WebBookMarks", "Information", "PrivateLabelMenu"})
        registerStandIn(name);
    driver.start(&ProgramMain);
    driver.waitWindow(kTitle);
    for (const Row& row : table) {
        SCOPED_TRACE(row.control);
        std::string before = wallpaper();
        focus(row.control);
        std::string selected = row.onSelected ? row.onSelected : before;
        EXPECT_EQ(wallpaper(), selected);
        driver.press(row.control);
        EXPECT_EQ(wallpaper(), row.afterCall ? row.afterCall : selected);
    }
    // The table the program keeps says the same.
    EXPECT_EQ(describe(*BackgroundOnSelected(C::ZipCodes)), "image11.gif tiled 0");
    EXPECT_FALSE(BackgroundAfterCall(C::Contacts).has_value());

    // "Print Blank Checks" clears the numbers before the list opens; "Invoice Files" asks
    // for a selection; everything else is called without a request.
    auto at = [&](const std::string& name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    EXPECT_LT(at("ClearBlankCheckNumbers"), at("BrowseBlankChecks"));
    EXPECT_THAT(calls["SelectInvoiceCompany"], testing::ElementsAre(REQ::Select));
    EXPECT_THAT(calls["BrowseMAIL"], testing::ElementsAre(REQ::None));
    EXPECT_EQ(std::string(GLO::HelpTopic.clipped()), "Print The Manual");

    driver.press(C::InformationItem);
    driver.press(C::NoticeRegion);
    EXPECT_EQ(calls["Information"].size(), 2u);
    driver.key("Alt+Shift+Insert");
    driver.settle();
    EXPECT_EQ(calls["PrivateLabelMenu"].size(), 1u);
    driver.press("E&xit");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(ProgramExitCode(), 0);
}

// PATH for the length of a test: a folder holding only the given programs (empty scripts).
class ProgramsOnPath {
  public:
    explicit ProgramsOnPath(std::initializer_list<const char*> programs) {
        const char* old = std::getenv("PATH");
        saved_ = old ? old : "";
        for (const char* name : programs) {
            const std::filesystem::path file = bin_ / name;
            std::ofstream(file) << "#!/bin/sh\n";
            std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        }
        setenv("PATH", bin_.path().c_str(), 1);
    }
    ~ProgramsOnPath() { setenv("PATH", saved_.c_str(), 1); }

  private:
    testsupport::TempDir bin_;
    std::string saved_;
};

TEST_F(StartUpTest, ExternalProgramsAreStartedInTheWorkingDirectoryWithoutWaiting) {
    ProgramsOnPath installed{"gnome-calculator", "xdg-open", "libreoffice"};
    driver.start(&ProgramMain);
    driver.waitWindow(kTitle);
    launches.clear();
    driver.press("Calculator");
    driver.press("Windows File Manager");
    driver.press("Word Processor");
    EXPECT_EQ(driver.active()->title(), kTitle);
    ASSERT_EQ(launches.size(), 3u);
    EXPECT_EQ(launches[0].request, "calc.exe ");
    EXPECT_EQ(launches[1].request, "winfile.exe ");
    EXPECT_EQ(launches[2].request, "write.exe ");
    for (const auto& l : launches) {
        EXPECT_EQ(l.workingDirectory, std::filesystem::current_path()) << l.request;
        EXPECT_FALSE(l.command.empty()) << l.request;
    }
    // The file manager is opened on the working directory.
    EXPECT_EQ(launches[1].command.back(), std::filesystem::current_path().string());
    driver.close();
    ASSERT_TRUE(driver.finish());
}

TEST_F(StartUpTest, AProgramThatIsNotInstalledIsReportedAndTheMenuGoesOn) {
    ProgramsOnPath nothing{};
    driver.start(&ProgramMain);
    driver.waitWindow(kTitle);
    const struct {
        const char* button;
        const char* text;
    } cases[] = {
        {"Calculator", "No calculator could be started: none is installed on this computer."},
        {"Windows File Manager",
         "No file manager could be started: none is installed on this computer."},
        {"Word Processor",
         "No word processor could be started: none is installed on this computer."},
    };
    for (const auto& c : cases) {
        driver.press(c.button);
        driver.expectMessage(c.text);
        driver.answer("OK");
        EXPECT_EQ(driver.active()->title(), kTitle) << c.button;
    }
    driver.close();
    ASSERT_TRUE(driver.finish());
}

TEST_F(StartUpTest, AnUnusableRecordFileEndsTheProgramWithANonZeroExitCode) {
    rt::RecordFile& wrong = testsupport::thingsOtherLayout();
    wrong.setName("PLF.KVF");
    ASSERT_EQ(wrong.create(), 0);
    wrong.close();
    wrong.setName("THINGS.KVF");
    driver.start(&ProgramMain);
    driver.expectMessage(
        "Error: (Invalid Record Declaration (47)) accessing PLF.KVF.  Press OK to end this "
        "application.");
    driver.answer("OK");
    driver.expectMessage("Invalid File!");
    driver.answer("OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_NE(ProgramExitCode(), 0);
}

}  // namespace
