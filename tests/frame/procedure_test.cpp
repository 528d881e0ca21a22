// The call protocol and the procedure frame: requests and responses, use counters of
// nested procedures, procedures ended before their files opened, BIND scopes, threads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "frame/globals.h"
#include "frame/open_data_file.h"
#include "frame/procedure.h"
#include "frame/program_end.h"
#include "frame/use_counts.h"
#include "program_run.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/program.h"
#include "tests/support/temp_dir.h"
#include "things_file.h"

namespace {

const rt::WindowStructure& testWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "FrameTest";
        w.label = "WINDOW";
        w.title = "Frame Test";
        w.at = {0, 0, 100, 50};
        rt::ControlStructure name;
        name.number = 1;
        name.kind = rt::ControlKind::Entry;
        name.use = "THI:NAME";
        name.at = {5, 5, 60, 10};
        w.controls.push_back(name);
        return w;
    }();
    return structure;
}

// A procedure whose logic runs once its window is open and then closes it.
class Scripted : public Procedure {
  public:
    Scripted(std::vector<rt::RecordFile*> files, std::function<void(Scripted&)> logic)
        : Procedure(testWindow(), std::move(files)), logic_(std::move(logic)) {}

    std::function<void(Scripted&)> beforeSetUpLogic;
    bool closesAfterLogic = true;
    using Procedure::Call;
    using Procedure::FinishProcedure;
    using Procedure::LOC;
    using Procedure::window;

  protected:
    void beforeSetUp() override {
        if (beforeSetUpLogic) beforeSetUpLogic(*this);
    }
    bool takeEvent() override {
        if (window().event() == EVENT::OpenWindow) {
            if (logic_) logic_(*this);
            if (closesAfterLogic) PostCloseWindow();
        }
        return false;
    }

  private:
    std::function<void(Scripted&)> logic_;
};

void runScripted(std::vector<rt::RecordFile*> files, std::function<void(Scripted&)> logic) {
    Scripted(std::move(files), std::move(logic)).run();
}

class ProcedureTest : public testing::Test {
  protected:
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::ProgramRun run;
};

TEST_F(ProcedureTest, ResponseZeroIsAnsweredAsCancelledAndACompletedOneIsPassedOn) {
    long afterZero = -1, afterCompleted = -1, responseAtEntry = -1;
    run.run([&] {
        GLO::Response = RESP::Completed;
        runScripted({}, [&](Scripted& p) {
            responseAtEntry = GLO::Response;
            p.LOC.Response = 0;
        });
        afterZero = GLO::Response;
        runScripted({}, [&](Scripted& p) { p.LOC.Response = RESP::Completed; });
        afterCompleted = GLO::Response;
    });
    EXPECT_EQ(responseAtEntry, 0);
    EXPECT_EQ(afterZero, RESP::Cancelled);
    EXPECT_EQ(afterCompleted, RESP::Completed);
}

TEST_F(ProcedureTest, RequestIsTakenAtEntryAndACallWithoutOneDeliversNone) {
    long outerRequest = -1, globalAfterEntry = -1, innerRequest = -1, restored = -1;
    long innerWithSelect = -1;
    run.run([&] {
        GLO::Request = REQ::Change;
        runScripted({}, [&](Scripted& outer) {
            outerRequest = outer.LOC.Request;
            globalAfterEntry = GLO::Request;
            outer.LOC.Request = REQ::Insert;  // the procedure's own logic changes it
            outer.Call(
                [&] { runScripted({}, [&](Scripted& in) { innerRequest = in.LOC.Request; }); });
            restored = outer.LOC.Request;
            outer.Call(
                [&] { runScripted({}, [&](Scripted& in) { innerWithSelect = in.LOC.Request; }); },
                REQ::Select);
        });
    });
    EXPECT_EQ(outerRequest, REQ::Change);
    EXPECT_EQ(globalAfterEntry, 0);
    EXPECT_EQ(innerRequest, REQ::None);
    EXPECT_EQ(restored, REQ::Change);
    EXPECT_EQ(innerWithSelect, REQ::Select);
}

// Counts the opens and closes that reach the disk.
class CountingOperations : public FileOpenOperations {
  public:
    int opens = 0;
    int open(rt::RecordFile& file, int access) override {
        ++opens;
        return FileOpenOperations::open(file, access);
    }
};

TEST_F(ProcedureTest, NestedProceduresOverOneFileOpenAndCloseItOnce) {
    CountingOperations ops;
    SetFileOpenOperations(&ops);
    rt::RecordFile& f = testsupport::things();
    long innerCount = -1, afterInner = -1, afterOuter = -1;
    bool openAfterInner = false, openAfterOuter = true;
    run.run([&] {
        runScripted({&f}, [&](Scripted& outer) {
            outer.Call([&] { runScripted({&f}, [&](Scripted&) { innerCount = UseCount(f); }); });
            afterInner = UseCount(f);
            openAfterInner = f.isOpen();
        });
        afterOuter = UseCount(f);
        openAfterOuter = f.isOpen();
    });
    SetFileOpenOperations(nullptr);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(ops.opens, 2);  // missing at first: opened, created, opened
    EXPECT_EQ(innerCount, 2);
    EXPECT_EQ(afterInner, 1);
    EXPECT_TRUE(openAfterInner);
    EXPECT_EQ(afterOuter, 0);
    EXPECT_FALSE(openAfterOuter);
}

TEST_F(ProcedureTest, ProcedureEndedBeforeItsFilesOpenedTouchesNoCounter) {
    rt::RecordFile& f = testsupport::things();
    long countBefore = -1, countAfter = -1, response = -1;
    bool logicRan = false, fileOpened = true, afterFinish = false;
    run.run([&] {
        countBefore = UseCount(f);
        Scripted refusing({&f}, [&](Scripted&) { logicRan = true; });
        refusing.beforeSetUpLogic = [&](Scripted& p) {
            p.FinishProcedure();
            afterFinish = true;  // never reached
        };
        refusing.run();
        countAfter = UseCount(f);
        fileOpened = f.isOpen();
        response = GLO::Response;
    });
    EXPECT_EQ(countBefore, 0);
    EXPECT_EQ(countAfter, 0);
    EXPECT_FALSE(fileOpened);
    EXPECT_FALSE(logicRan);
    EXPECT_FALSE(afterFinish);
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir / "THINGS.KVF"));
}

TEST_F(ProcedureTest, FinishProcedureFromARoutineReleasesTheFilesAndEndsAtOnce) {
    rt::RecordFile& f = testsupport::things();
    long countInside = -1, countAfter = -1, response = -1;
    bool afterFinish = false;
    run.run([&] {
        runScripted({&f}, [&](Scripted& p) {
            countInside = UseCount(f);
            p.LOC.Response = RESP::Completed;
            p.FinishProcedure();
            afterFinish = true;
        });
        countAfter = UseCount(f);
        response = GLO::Response;
    });
    EXPECT_EQ(countInside, 1);
    EXPECT_EQ(countAfter, 0);
    EXPECT_FALSE(afterFinish);
    EXPECT_EQ(response, RESP::Completed);
}

TEST_F(ProcedureTest, EachProcedureSeesOnlyItsOwnBindNames) {
    rt::RecordFile& f = testsupport::things();
    bool outerSees = false, innerSees = true, outerSeesAgain = false, memoBound = false;
    std::string boundValue;
    run.run([&] {
        runScripted({&f}, [&](Scripted& outer) {
            f.buf().setText("THI:NAME", "Widget");
            outerSees = rt::findBinding("THI:NAME") != nullptr;
            memoBound = rt::findBinding("THI:Notes") != nullptr;
            if (auto g = rt::findBinding("THI:NAME")) boundValue = (*g)().asText();
            outer.Call([&] {
                runScripted({},
                            [&](Scripted&) { innerSees = rt::findBinding("THI:NAME") != nullptr; });
            });
            outerSeesAgain = rt::findBinding("THI:NAME") != nullptr;
        });
    });
    EXPECT_TRUE(outerSees);
    EXPECT_TRUE(memoBound);
    EXPECT_EQ(rt::clip(boundValue), "Widget");
    EXPECT_FALSE(innerSees);
    EXPECT_TRUE(outerSeesAgain);
}

// Notes the frame's refreshes with the refresh-pending flag each one sees.
class Refreshing : public Scripted {
  public:
    using Scripted::Scripted;
    std::vector<std::string> seen;

  protected:
    void firstRefreshWindow() override {
        seen.push_back("first " + std::to_string(LOC.RefreshPending));
    }
    void refreshWindow() override { seen.push_back("again " + std::to_string(LOC.RefreshPending)); }
};

TEST_F(ProcedureTest, TheFrameRunsTheProceduresOwnRefreshOnOpeningAndRegainedFocus) {
    std::vector<std::string> seen;
    run.run([&] {
        Refreshing p({}, [](Scripted& s) {
            s.window().post(EVENT::GainFocus);
            s.window().post(EVENT::GainFocus);
        });
        p.run();
        seen = p.seen;
    });
    EXPECT_THAT(seen, testing::ElementsAre("first 0", "again 1", "again 1"));
}

TEST_F(ProcedureTest, WindowControlsShowTheFieldsOfTheProceduresFiles) {
    rt::RecordFile& f = testsupport::things();
    std::string shown;
    run.run([&] {
        runScripted({&f}, [&](Scripted& p) {
            f.buf().setText("THI:NAME", "Sprocket");
            p.window().display();
            shown = p.window().control(1)->shown;
        });
    });
    EXPECT_EQ(rt::clip(shown), "Sprocket");
}

// Gains the focus while its accept-all pass runs, then again after it.
class FocusDuringPass : public Procedure {
  public:
    FocusDuringPass() : Procedure(testWindow(), {&testsupport::things()}) {}
    std::vector<std::pair<long, std::string>> onGainFocus;  // RefreshPending, shown text

  protected:
    bool takeEvent() override {
        rt::Window& w = window();
        switch (w.event()) {
            case EVENT::OpenWindow:
                testsupport::things().buf().setText("THI:NAME", "Changed");
                w.select(0);  // the accept-all pass
                w.post(EVENT::GainFocus);
                break;
            case EVENT::GainFocus:
                onGainFocus.emplace_back(LOC.RefreshPending,
                                         std::string(rt::clip(w.control(1)->shown)));
                if (onGainFocus.size() == 2) PostCloseWindow();
                break;
            case EVENT::Completed:
                w.post(EVENT::GainFocus);
                break;
            default:
                break;
        }
        return false;
    }
};

TEST_F(ProcedureTest, GainFocusDuringTheAcceptAllPassLeavesTheRefreshPending) {
    FocusDuringPass p;
    run.run([&] { p.run(); });
    ASSERT_EQ(p.onGainFocus.size(), 2u);
    EXPECT_EQ(p.onGainFocus[0], std::make_pair(1L, std::string()));
    EXPECT_EQ(p.onGainFocus[1], std::make_pair(0L, std::string("Changed")));
}

TEST_F(ProcedureTest, ASecondThreadStartsWithItsOwnCountersAndProtocolGlobals) {
    rt::RecordFile& f = testsupport::things();
    long mainCount = -1, threadCount = -1, threadRequest = -1, threadCountInside = -1;
    bool threadDone = false;
    run.run([&] {
        runScripted({&f}, [&](Scripted&) {
            mainCount = UseCount(f);
            GLO::Request = REQ::Change;
            rt::start([&] {
                threadCount = UseCount(f);
                threadRequest = GLO::Request;
                runScripted({&f}, [&](Scripted&) { threadCountInside = UseCount(f); });
                threadDone = true;
            });
            while (!threadDone)
                rt::yieldEvents();
            GLO::Request = 0;
        });
    });
    EXPECT_EQ(mainCount, 1);
    EXPECT_EQ(threadCount, 0);
    EXPECT_EQ(threadRequest, 0);
    EXPECT_EQ(threadCountInside, 1);
}

TEST_F(ProcedureTest, AHaltOnASecondThreadEndsTheMainThreadsProceduresToo) {
    rt::RecordFile& f = testsupport::things();
    bool mainHalted = false;
    long countAfterHalt = -1;
    run.run([&] {
        Scripted waiting({&f}, [](Scripted&) { rt::start([] { Halt("Disk Error"); }); });
        waiting.closesAfterLogic = false;  // it waits for events until the halt reaches it
        try {
            waiting.run();
        } catch (const ProgramHalt& h) {
            mainHalted = std::string(h.what()) == "Disk Error";
            countAfterHalt = UseCount(f);
        }
    });
    EXPECT_TRUE(mainHalted);
    EXPECT_EQ(countAfterHalt, 0);
    EXPECT_THAT(run.captions(), testing::ElementsAre("Halt"));
    EXPECT_NE(ProgramExitCode(), 0);
}

}  // namespace
