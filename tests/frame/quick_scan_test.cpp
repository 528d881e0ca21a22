// QUICKSCAN around a list's sequential reads: a page fill of more than one row and the
// scroll-stop build send it on before their reads and off after them, as the sheet asks,
// and nothing is left on between events, after a read error or when the list returns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/browse_engine.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/procedure.h"
#include "frame/program_end.h"
#include "tests/frame/engine_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

namespace et = enginetest;

class ListQuickScanTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetProgramExitCode();
        et::listOptions() = {};
        et::formOptions() = {};
        et::makeItems(et::numberedNames(20));
        // Every read notes whether QUICKSCAN was on; the Own button notes it between events.
        et::listOptions().recordRead = [this] { reads.push_back(et::items().quickScan()); };
        et::listOptions().own = [this](BrowseProcedure&) {
            betweenEvents.push_back(et::items().quickScan());
        };
    }
    // The reads since the last call.
    std::vector<bool> takeReads() { return std::exchange(reads, {}); }

    testsupport::TempDir dir{/*enter=*/true};
    std::vector<bool> reads, betweenEvents;
    bool leftOn = true, ended = false;
};

std::vector<bool> repeated(bool value, std::size_t count) {
    return std::vector<bool>(count, value);
}

std::vector<bool> joined(std::vector<bool> a, const std::vector<bool>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ListQuickScanTest, FillsAndTheStopBuildSendItAsTheSheetAsks) {
    struct Case {
        bool fills, stops;
    };
    for (Case c : {Case{false, false}, Case{true, true}, Case{true, false}, Case{false, true}}) {
        SCOPED_TRACE(testing::Message() << "fills " << c.fills << " stops " << c.stops);
        rt::Driver d;
        reads.clear();
        betweenEvents.clear();
        ended = false;
        et::listOptions().quickScan = c.fills;
        et::listOptions().quickScanStops = c.stops;
        d.start([this] {
            et::BrowseItems();
            leftOn = et::items().quickScan();
            ended = true;
        });
        d.settle();
        EXPECT_EQ(takeReads(), repeated(c.fills, 5)) << "the opening page";
        d.press("Own");
        // The number order has scroll stops: its page, then the stop build's two reads.
        d.press("By Number");
        EXPECT_EQ(takeReads(), joined(repeated(c.fills, 5), repeated(c.stops, 2)));
        d.press("Own");
        for (int i = 0; i < 5; ++i)
            d.key("Down");
        // One row scrolled in: a single read, never a quick scan.
        EXPECT_EQ(takeReads(), repeated(false, 1));
        d.key("PgDn");
        EXPECT_EQ(takeReads(), repeated(c.fills, 5));
        d.press("Own");
        d.press("Close");
        d.settle();
        d.finish();
        EXPECT_EQ(betweenEvents, repeated(false, 3));
        EXPECT_TRUE(ended);
        EXPECT_FALSE(leftOn);
    }
}

TEST_F(ListQuickScanTest, AReadErrorLeavesNoQuickScanOn) {
    struct Case {
        const char* action;
        bool fills, stops;
    };
    for (Case c : {Case{"PgDn", true, true}, Case{"PgDn", true, false}}) {
        SCOPED_TRACE(testing::Message()
                     << c.action << " fills " << c.fills << " stops " << c.stops);
        rt::Driver d;
        ended = false;
        leftOn = true;
        et::listOptions().quickScan = c.fills;
        et::listOptions().quickScanStops = c.stops;
        // Own closes the file under the list: its next read fails.
        et::listOptions().own = [](BrowseProcedure&) { et::items().close(); };
        d.start([this] {
            et::BrowseItems();
            leftOn = et::items().quickScan();
            ended = true;
        });
        d.settle();
        d.press("Own");
        if (std::string(c.action) == "PgDn")
            d.key("PgDn");
        else
            d.press(c.action);
        auto dialogs = d.backend().pendingDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0]->caption, "Record Retrieval Error");
        d.answer("OK");
        d.settle();
        d.finish();
        EXPECT_TRUE(ended);
        EXPECT_FALSE(leftOn);
    }
}

}  // namespace
