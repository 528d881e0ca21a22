// Record tagging on a real tag file: marks, walks that stay in order while tags change, the
// count cache, both ways of clearing with their progress windows, and two stations sharing
// the file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "frame/tag_progress.h"
#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "frame/use_counts.h"
#include "program_run.h"
#include "records/tag_file.h"
#include "runtime/eval/bind_scope.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/program.h"
#include "tests/support/station_thread.h"
#include "tests/support/temp_dir.h"

namespace {

using testing::ElementsAre;

rt::RecordFile& tagFile() {
    return records::tagFile();
}

long useCount() {
    return UseCount(tagFile());
}

std::vector<long> walk(long table) {
    std::vector<long> pointers;
    for (long p = FirstTag_(table); p != 0; p = NextTag_(table))
        pointers.push_back(p);
    return pointers;
}

// Tags pointers first..last in `table`, all with `value`, keeping the file open meanwhile.
void tagRange(long table, long first, long last, std::string_view value) {
    OpenTagFile_();
    for (long p = first; p <= last; ++p)
        SetTag_(table, p, value);
    CloseTagFile_();
}

// The other station: its own connection to the tag file, on a thread of its own.
template <typename Work>
void otherStation(Work work) {
    std::thread([&] {
        rt::RecordFile& f = tagFile();
        ASSERT_EQ(f.open(), 0);
        work(f);
        f.close();
    }).join();
}

// What the progress windows showed.
struct ProgressSeen {
    int events = 0;
    int clearingEvents = 0;
    std::set<std::string> firstLines;
    std::vector<std::string> secondLines;  // after each timer step that left the window open
    bool cancelHidden = false;
};

// A driver step that watches the progress windows and lets their timer run; `cancelAfter`
// presses "Cancel" of the clearing window once that many of its timer steps have passed.
std::function<bool(rt::Driver&)> watchProgress(ProgressSeen& seen, int cancelAfter = -1) {
    return [&seen, cancelAfter](rt::Driver& d) {
        rt::Window* w = d.active();
        if (!w || w->title() != "Progress...") return false;
        std::string first = w->propText(TagProgress::FirstLine, PROP::Text);
        seen.firstLines.insert(first);
        seen.cancelHidden = w->isHidden(TagProgress::Cancel);
        ++seen.events;
        if (first == "Clearing Tags" && seen.clearingEvents++ == cancelAfter) {
            d.press(TagProgress::Cancel);
            return true;
        }
        d.timer();
        if (d.active() == w)
            seen.secondLines.push_back(w->propText(TagProgress::SecondLine, PROP::Text));
        return true;
    };
}

class TaggingTest : public testing::Test {
  protected:
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::ProgramRun run;
    void TearDown() override { SetTagWriteWait(5000); }
};

TEST_F(TaggingTest, SetGetAndClearOneTag) {
    run.run([&] {
        SetTag_(TAG::Contacts, 7, "FIRST");
        SetTag_(TAG::Contacts, 7, "SECOND VALUE TOO LONG");
        EXPECT_EQ(useCount(), 0);

        EXPECT_EQ(GetTag_(TAG::Contacts, 7), 1);
        EXPECT_EQ(TF_::VAL.text(), "SECOND VAL");
        EXPECT_EQ(CountTags_(TAG::Contacts), 1);
        EXPECT_EQ(GetTag_(TAG::CheckRegister, 7), 0) << "tables are apart";
        EXPECT_EQ(TF_::PTR.integer(), 0) << "buffer cleared";

        ClrTag_(TAG::Contacts, 8);  // not tagged: nothing happens
        EXPECT_EQ(TF_::VAL.text(), std::string(10, ' '));
        EXPECT_EQ(GLO::TagCount, 1);
        ClrTag_(TAG::Contacts, 7);
        EXPECT_EQ(GetTag_(TAG::Contacts, 7), 0);
        EXPECT_EQ(GLO::TagCountTable, TAG::Contacts);
        EXPECT_EQ(GLO::TagCount, 0);
        EXPECT_EQ(useCount(), 0);
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

// The tag file's names reach filters in every scope that reads a tag, also in a new scope
// opened where an ended one stood (the names are bound once per scope, not per read).
TEST_F(TaggingTest, TagNamesAreBoundInEachScopeThatReadsATag) {
    run.run([&] {
        SetTag_(TAG::Contacts, 7, "FIRST");
        for (int scope = 0; scope < 2; ++scope) {
            rt::BindScopeGuard guard;
            EXPECT_EQ(rt::findBinding("TF_:VAL"), nullptr);
            EXPECT_EQ(GetTag_(TAG::Contacts, 7), 1);
            auto value = rt::findBinding("TF_:VAL");
            ASSERT_NE(value, nullptr) << "scope " << scope;
            EXPECT_EQ((*value)().asText(), "FIRST     ");
            EXPECT_EQ(GetTag_(TAG::Contacts, 8), 0);  // a second read binds nothing new
            EXPECT_NE(rt::findBinding("TF_:PTR"), nullptr);
        }
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

TEST_F(TaggingTest, TableZeroAndPointerZeroDoNothing) {
    run.run([&] {
        SetTag_(0, 5, "X");
        SetTag_(TAG::Contacts, 0, "X");
        ClrTag_(0, 5);
        EXPECT_EQ(GetTag_(TAG::Contacts, 0), 0);
        EXPECT_EQ(FirstTag_(0), 0);
        EXPECT_EQ(NextTag_(0), 0);
        EXPECT_EQ(CountTags_(0), 0);
        NewTag_(0);
        // A pointer that does not fit the tag's field is no record either.
        SetTag_(TAG::Contacts, 1L << 40, "X");
        EXPECT_EQ(useCount(), 0);
        EXPECT_EQ(GLO::TagCountTable, 0);
    });
    EXPECT_FALSE(std::filesystem::exists("TagFile_.KVF"));
}

TEST_F(TaggingTest, WalkGoesInValueOrderWithinOneTable) {
    run.run([&] {
        EXPECT_EQ(FirstTag_(TAG::Contacts), 0);
        EXPECT_EQ(useCount(), 0) << "a walk of an empty table leaves the file closed";
        EXPECT_EQ(NextTag_(TAG::Contacts), 0) << "no walk: nothing to go on from";
        EXPECT_EQ(useCount(), 0);

        SetTag_(TAG::Contacts, 30, "MILLER");
        SetTag_(TAG::Genealogy, 99, "BAKER");
        SetTag_(TAG::Contacts, 10, "adams");
        SetTag_(TAG::Contacts, 20, "MILLER");
        SetTag_(TAG::Contacts, 40, "Baker");
        SetTag_(TAG::Contacts, 50, "MILLER");
        SetTag_(TAG::CheckRegister, 60, "");
        // Equal values in the order they were tagged; case does not count.
        EXPECT_THAT(walk(TAG::Contacts), ElementsAre(10, 40, 30, 20, 50));
        EXPECT_THAT(walk(TAG::Genealogy), ElementsAre(99));
        EXPECT_THAT(walk(TAG::CheckRegister), ElementsAre(60));
        EXPECT_EQ(useCount(), 0) << "a walk to the end closes the file";

        EXPECT_EQ(FirstTag_(TAG::Contacts), 10);
        EXPECT_EQ(NextTag_(TAG::Contacts), 40);
        EXPECT_EQ(useCount(), 1) << "a walk stopped early keeps the file open";
        // A new walk takes over the unfinished one and its use of the file.
        EXPECT_EQ(FirstTag_(TAG::Genealogy), 99);
        EXPECT_EQ(NextTag_(TAG::Genealogy), 0);
        EXPECT_EQ(useCount(), 0);
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

TEST_F(TaggingTest, WalkMovesToTheExactNextTagWhileTagsChange) {
    run.run([&] {
        tagRange(TAG::Contacts, 10, 14, "SAME");
        SetTag_(TAG::Contacts, 15, "ZED");
        SetTag_(TAG::Genealogy, 10, "AAA");
        SetTag_(TAG::Genealogy, 20, "SAME");

        std::vector<long> seen;
        seen.push_back(FirstTag_(TAG::Contacts));
        EXPECT_EQ(GetTag_(TAG::Contacts, 12), 1);
        seen.push_back(NextTag_(TAG::Contacts));
        // Untag the current one, give a passed tag a value further on, count another table.
        ClrTag_(TAG::Contacts, 11);
        SetTag_(TAG::Contacts, 10, "ZZZ");
        EXPECT_EQ(CountTags_(TAG::Genealogy), 2);
        seen.push_back(NextTag_(TAG::Contacts));
        // A new tag among the equal ones ahead, one ahead untagged, another table cleared.
        SetTag_(TAG::Contacts, 16, "SAME");
        ClrTag_(TAG::Contacts, 14);
        NewTag_(TAG::Genealogy);
        for (long p = NextTag_(TAG::Contacts); p != 0; p = NextTag_(TAG::Contacts))
            seen.push_back(p);
        EXPECT_THAT(seen, ElementsAre(10, 11, 12, 13, 16, 15));
        EXPECT_EQ(useCount(), 0);
        EXPECT_THAT(walk(TAG::Genealogy), ElementsAre());

        // The search forms' way: read the next tag, then untag the current record.
        std::vector<long> untagged;
        for (long p = FirstTag_(TAG::Contacts); p != 0;) {
            long next = NextTag_(TAG::Contacts);
            ClrTag_(TAG::Contacts, p);
            untagged.push_back(p);
            p = next;
        }
        EXPECT_THAT(untagged, ElementsAre(12, 13, 16, 15, 10));
        EXPECT_EQ(CountTags_(TAG::Contacts), 0);
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

TEST_F(TaggingTest, CountsFromTheCacheUntilAnotherTableIsTagged) {
    long cached = 0, afterOtherTable = 0, afterClear = 0;
    run.run([&] {
        tagRange(TAG::Contacts, 1, 5, "V");
        GLO::TagCountTable = GLO::TagCount = 0;
        EXPECT_EQ(CountTags_(TAG::Contacts), 5);
        // Another station tags too: the cache does not know, our own tag is counted.
        otherStation([](rt::RecordFile& f) {
            f.clear();
            TF_::TBL.setInteger(TAG::Contacts);
            TF_::PTR.setInteger(100);
            ASSERT_EQ(f.add(), 0);
        });
        SetTag_(TAG::Contacts, 6, "V");
        cached = CountTags_(TAG::Contacts);
        SetTag_(TAG::Invoices, 1, "V");
        EXPECT_EQ(GLO::TagCountTable, 0) << "a tag of another table empties the cache";
        afterOtherTable = CountTags_(TAG::Contacts);
        ClrTag_(TAG::Contacts, 1);
        afterClear = CountTags_(TAG::Contacts);
    });
    EXPECT_EQ(cached, 6);
    EXPECT_EQ(afterOtherTable, 7);
    EXPECT_EQ(afterClear, 6);
}

TEST_F(TaggingTest, EachThreadHasItsOwnCacheAndWalk) {
    std::vector<long> mainWalk, panelWalk;
    long panelCacheAtStart = -1, mainCacheTable = 0;
    run.run([&] {
        tagRange(TAG::Contacts, 1, 3, "V");
        SetTag_(TAG::Genealogy, 9, "V");
        EXPECT_EQ(CountTags_(TAG::Contacts), 3);
        mainWalk.push_back(FirstTag_(TAG::Contacts));
        rt::start([&] {
            panelCacheAtStart = GLO::TagCountTable;
            panelWalk = walk(TAG::Contacts);
            SetTag_(TAG::Genealogy, 10, "V");
            EXPECT_EQ(CountTags_(TAG::Genealogy), 2);
        });
        rt::yieldEvents();
        for (long p = NextTag_(TAG::Contacts); p != 0; p = NextTag_(TAG::Contacts))
            mainWalk.push_back(p);
        mainCacheTable = GLO::TagCountTable;
    });
    EXPECT_EQ(panelCacheAtStart, 0);
    EXPECT_THAT(panelWalk, ElementsAre(1, 2, 3));
    EXPECT_THAT(mainWalk, ElementsAre(1, 2, 3));
    EXPECT_EQ(mainCacheTable, TAG::Contacts) << "the other thread's tagging left it alone";
}

TEST_F(TaggingTest, CountingPastOneHundredShowsTheProgressWindow) {
    struct Case {
        long tags;
        bool window;
    };
    for (const Case c : {Case{100, false}, Case{101, true}, Case{350, true}}) {
        SCOPED_TRACE(c.tags);
        testsupport::TempDir scratch(/*enter=*/true);
        ProgressSeen seen;
        long counted = -1;
        testsupport::ProgramRun counting;
        counting.run(
            [&] {
                tagRange(TAG::Contacts, 1, c.tags, "V");
                tagRange(TAG::Genealogy, 1, 3, "V");
                GLO::TagCountTable = GLO::TagCount = 0;
                counted = CountTags_(TAG::Contacts);
                EXPECT_EQ(useCount(), 0);
            },
            watchProgress(seen));
        EXPECT_EQ(counted, c.tags);
        EXPECT_EQ(seen.events > 0, c.window);
        if (c.window) {
            EXPECT_THAT(seen.firstLines, ElementsAre("Counting Tags"));
            EXPECT_TRUE(seen.cancelHidden);
            // The running count after each step of 100 that did not reach the end.
            if (c.tags == 350) {
                EXPECT_THAT(seen.secondLines, ElementsAre("201", "301"));
            }
        }
    }
}

TEST_F(TaggingTest, ClearingATableThatOwnsTheFileEmptiesIt) {
    ProgressSeen seen;
    run.run(
        [&] {
            tagRange(TAG::ChecksToPrint, 1, 80, "V");
            NewTag_(TAG::ChecksToPrint);
            EXPECT_EQ(GLO::TagCountTable, TAG::ChecksToPrint);
            EXPECT_EQ(GLO::TagCount, 0);
            EXPECT_EQ(useCount(), 0);
            OpenTagFile_();
            EXPECT_EQ(tagFile().records(), 0);
            CloseTagFile_();
        },
        watchProgress(seen));
    EXPECT_EQ(seen.events, 0);
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

TEST_F(TaggingTest, ClearingAMixedTableDeletesOneByOneWithAWindowFromFiftyTags) {
    for (long tags : {49L, 50L, 130L}) {
        SCOPED_TRACE(tags);
        testsupport::TempDir scratch(/*enter=*/true);
        ProgressSeen seen;
        std::vector<long> left;
        long kept = 0;
        testsupport::ProgramRun clearing;
        clearing.run(
            [&] {
                tagRange(TAG::Contacts, 1, tags, "V");
                tagRange(TAG::Genealogy, 1, 3, "V");
                NewTag_(TAG::Contacts);
                left = walk(TAG::Contacts);
                kept = CountTags_(TAG::Genealogy);
                EXPECT_EQ(useCount(), 0);
            },
            watchProgress(seen));
        EXPECT_TRUE(left.empty());
        EXPECT_EQ(kept, 3);
        EXPECT_EQ(seen.events > 0, tags >= 50);
        if (tags == 130) {
            EXPECT_EQ(seen.firstLines.count("Clearing Tags"), 1u);
            EXPECT_FALSE(seen.cancelHidden);
            EXPECT_THAT(seen.secondLines, testing::Contains("100%"));
        }
    }
}

TEST_F(TaggingTest, CancelledClearingKeepsTheRestAndTheCacheClaimsNothing) {
    ProgressSeen seen;
    long counted = -1;
    run.run(
        [&] {
            tagRange(TAG::Contacts, 1, 120, "V");
            SetTag_(TAG::Invoices, 1, "V");
            NewTag_(TAG::Contacts);
            EXPECT_NE(GLO::TagCountTable, TAG::Contacts);
            counted = CountTags_(TAG::Contacts);
        },
        // Counting the 120 shows its window first; then 50 deletions without a window, two
        // timer steps of 10, and "Cancel".
        watchProgress(seen, 2));
    EXPECT_THAT(seen.firstLines, ElementsAre("Clearing Tags", "Counting Tags"));
    EXPECT_EQ(counted, 120 - 50 - 20);
    EXPECT_FALSE(run.halted) << run.haltMessage;
}

TEST_F(TaggingTest, TagWriteWaitsForAnotherStationsLock) {
    long count = 0;
    std::chrono::milliseconds waited{};
    run.run([&] {
        SetTag_(TAG::Contacts, 1, "V");
        testsupport::StationThread other([](testsupport::StationThread& station) {
            rt::RecordFile& f = tagFile();
            ASSERT_EQ(f.open(), 0);
            ASSERT_EQ(f.lock(1), 0);
            station.ready();
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            f.unlock();
            f.close();
        });
        ASSERT_TRUE(other.waitReady());
        auto start = std::chrono::steady_clock::now();
        SetTag_(TAG::Contacts, 2, "V");
        ClrTag_(TAG::Contacts, 1);
        waited = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        other.join();
        count = CountTags_(TAG::Contacts);
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_GE(waited.count(), 100);
    EXPECT_EQ(count, 1);
}

TEST_F(TaggingTest, TagWriteLetsTheProgramsOtherThreadFinishWithTheLock) {
    // Only one application thread runs at a time: a write that waited without giving way
    // would keep the lock's holder from ever releasing it.
    long count = 0;
    run.run([&] {
        SetTag_(TAG::Contacts, 1, "V");
        bool holding = false;
        rt::start([&] {
            rt::RecordFile& f = tagFile();
            ASSERT_EQ(f.open(), 0);
            ASSERT_EQ(f.lock(1), 0);
            holding = true;
            for (int i = 0; i < 5; ++i)
                rt::yieldEvents();
            f.unlock();
            f.close();
        });
        rt::yieldEvents();
        EXPECT_TRUE(holding);
        SetTag_(TAG::Contacts, 2, "V");
        count = CountTags_(TAG::Contacts);
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_EQ(count, 2);
}

TEST_F(TaggingTest, LockOutlastingTheWaitEndsTheProgramWithTheOperation) {
    struct Case {
        std::function<void()> write;
        const char* message;
    };
    const Case cases[] = {
        {[] { SetTag_(TAG::Contacts, 2, "V"); },
         "Error #32 - File Is Already Locked (SetTag_/ADD)"},
        {[] { SetTag_(TAG::Contacts, 1, "NEW"); },
         "Error #32 - File Is Already Locked (SetTag_/PUT)"},
        {[] { ClrTag_(TAG::Contacts, 1); }, "Error #32 - File Is Already Locked (ClrTag_/DELETE)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        testsupport::TempDir scratch(/*enter=*/true);
        testsupport::ProgramRun station;
        std::string before;
        station.run([&] {
            SetTag_(TAG::Contacts, 1, "OLD");
            SetTagWriteWait(50);
            // Released and joined however the write ends (a halt ends the procedure).
            testsupport::StationThread other([](testsupport::StationThread& station) {
                rt::RecordFile& f = tagFile();
                ASSERT_EQ(f.open(), 0);
                ASSERT_EQ(f.lock(1), 0);
                station.ready();
                station.waitForRelease();
                f.unlock();
                f.close();
            });
            ASSERT_TRUE(other.waitReady());
            c.write();
        });
        EXPECT_TRUE(station.halted);
        EXPECT_EQ(station.haltMessage, c.message);
        EXPECT_THAT(station.captions(), ElementsAre("Halt"));
        // The tag written before the failure stays as it was.
        testsupport::ProgramRun after;
        after.run([&] {
            EXPECT_EQ(GetTag_(TAG::Contacts, 1), 1);
            EXPECT_EQ(rt::clip(TF_::VAL.text()), "OLD");
            EXPECT_EQ(GetTag_(TAG::Contacts, 2), 0);
        });
    }
}

}  // namespace
