#include "runtime/data/view.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "runtime/eval/bind_scope.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

using rt::FileError::RecordNotAvailable;
using Names = std::vector<std::string>;

std::string clipped(std::string text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
        rt::bindFields(people);
        const char* names[] = {"Ann", "Bob", "Cid", "Dan", "Eve", "Fay", "Gus", "Hal"};
        long number = 1;
        for (const char* name : names) {
            people.clear();
            people.buf().setText("PEO:NAME", name);
            people.buf().setInteger("PEO:NUMBER", number);
            people.buf().setInteger("PEO:LEVEL", number % 2);
            people.buf().setMemo(0, number % 3 == 0 ? "memo" : "");
            ASSERT_EQ(people.add(), 0);
            ++number;
        }
        byName = people.key("PEO:KEYNAME");
    }

    Names walk(rt::View& view, bool forward = true) {
        Names names;
        while ((forward ? view.next() : view.previous()) == 0)
            names.push_back(clipped(people.buf().text("PEO:NAME")));
        EXPECT_EQ(rt::errorCode(), RecordNotAvailable);
        return names;
    }

    testsupport::TempDir dir{true};
    rt::BindScopeGuard scope;
    rt::RecordFile people{datatest::peopleDecl()};
    int byName = 0;
};

TEST_F(ViewTest, ReadsTheOrderTheFileWasSetToThroughItsFilter) {
    people.set(byName);
    rt::View view(people);
    view.setFilter("PEO:Level = 1 AND PEO:NUMBER > 2");
    ASSERT_EQ(view.open(), 0);
    EXPECT_EQ(walk(view), (Names{"Cid", "Eve", "Gus"}));
    view.close();
    view.setFilter("PEO:Notes <> ''");  // memos are bound too
    people.set(byName);
    ASSERT_EQ(view.open(), 0);
    EXPECT_EQ(walk(view, false), (Names{"Fay", "Cid"}));
}

TEST_F(ViewTest, AReadThatFindsNothingLeavesTheBuffer) {
    people.buf().setText("PEO:NAME", "Kept");
    people.set(byName);
    rt::View view(people);
    view.setFilter("PEO:NUMBER > 100");
    ASSERT_EQ(view.open(), 0);
    EXPECT_EQ(view.next(), RecordNotAvailable);
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Kept      ");
    EXPECT_EQ(people.pointer(), 0);
}

TEST_F(ViewTest, ABadFilterRefusesToOpen) {
    rt::View view(people);
    view.setFilter("PEO:NUMBER > ");
    EXPECT_EQ(view.open(), rt::FileError::InvalidFilter);
    EXPECT_FALSE(view.isOpen());
    view.setFilter("PEO:NOSUCH = 1");
    EXPECT_EQ(view.open(), rt::FileError::InvalidFilter);
    EXPECT_FALSE(rt::fileErrorText().empty());
}

TEST_F(ViewTest, PositionsResetTheViewInBothDirections) {
    people.set(byName);
    rt::View view(people);
    ASSERT_EQ(view.open(), 0);
    ASSERT_EQ(view.skip(3), 0);  // past Ann, Bob, Cid
    ASSERT_EQ(view.next(), 0);
    ASSERT_EQ(clipped(people.buf().text("PEO:NAME")), "Dan");
    std::string dan = view.position();
    ASSERT_EQ(view.reset(dan), 0);
    EXPECT_EQ(walk(view), (Names{"Dan", "Eve", "Fay", "Gus", "Hal"}));
    ASSERT_EQ(view.reset(dan), 0);
    EXPECT_EQ(walk(view, false), (Names{"Dan", "Cid", "Bob", "Ann"}));
    // A view in record order, and REGET through a view.
    people.set();
    rt::View inRecordOrder(people);
    ASSERT_EQ(inRecordOrder.open(), 0);
    ASSERT_EQ(inRecordOrder.reget(dan), 0);
    EXPECT_EQ(clipped(people.buf().text("PEO:NAME")), "Dan");
}

TEST_F(ViewTest, DeletingDuringAScanKeepsItsPlace) {
    people.set(byName);
    rt::View view(people);
    ASSERT_EQ(view.open(), 0);
    Names seen;
    while (view.next() == 0) {
        seen.push_back(clipped(people.buf().text("PEO:NAME")));
        if (seen.size() % 2 == 1) {
            ASSERT_EQ(view.deleteRecord(), 0);
        }
    }
    EXPECT_EQ(seen, (Names{"Ann", "Bob", "Cid", "Dan", "Eve", "Fay", "Gus", "Hal"}));
    EXPECT_EQ(people.records(), 4);
}

TEST_F(ViewTest, AScanThatRewritesItsOwnKeyMeetsEveryRecordOnce) {
    // Moving each record far ahead of the walk, and back behind it, walking either way,
    // with the read kept open between records or sought again at each one.
    const struct {
        const char* prefix;
        bool forward;
        bool quickScan;
    } cases[] = {{"Z", true, true},  {"A", true, true},   {"Z", true, false}, {"A", true, false},
                 {"A", false, true}, {"Z", false, false}, {"0", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + (c.forward ? " forward" : " backward") +
                     (c.quickScan ? " quick" : ""));
        people.set(byName);
        rt::View view(people);
        ASSERT_EQ(view.open(), 0);
        ASSERT_EQ(people.send(c.quickScan ? "QUICKSCAN=on" : "QUICKSCAN=off"), 0);
        std::multiset<std::int64_t> seen;
        while ((c.forward ? view.next() : view.previous()) == 0) {
            seen.insert(people.pointer());
            people.buf().setText("PEO:NAME", c.prefix + people.buf().text("PEO:NAME"));
            ASSERT_EQ(view.put(), 0);
            rt::suspendRecordScans();
        }
        people.send("QUICKSCAN=off");
        EXPECT_EQ(seen.size(), 8u);
        EXPECT_EQ(std::set<std::int64_t>(seen.begin(), seen.end()).size(), 8u);
    }
}

TEST_F(ViewTest, AFileWrittenByAnotherWalkStillFeedsTheView) {
    // The file's own sequence and a view walk independently over one buffer.
    people.set(byName);
    rt::View view(people);
    ASSERT_EQ(view.open(), 0);
    people.send("QUICKSCAN=on");
    ASSERT_EQ(view.next(), 0);
    people.set();
    ASSERT_EQ(people.next(), 0);
    people.buf().setText("PEO:CITY", "Paris");
    ASSERT_EQ(people.put(), 0);
    Names rest = walk(view);
    EXPECT_EQ(rest, (Names{"Bob", "Cid", "Dan", "Eve", "Fay", "Gus", "Hal"}));
    people.send("QUICKSCAN=off");
}

TEST_F(ViewTest, ViewsOpenedAgainAndSideBySideKeepTheirOwnWalks) {
    // A closed view leaves its prepared reads to the next one; two open views never share
    // one, even over the same order with quick scan keeping their reads open.
    people.send("QUICKSCAN=on");
    for (int round = 0; round < 3; ++round) {
        people.set(byName);
        rt::View first(people), second(people);
        ASSERT_EQ(first.open(), 0);
        ASSERT_EQ(second.open(), 0);
        Names a, b;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(first.next(), 0);
            a.push_back(clipped(people.buf().text("PEO:NAME")));
            ASSERT_EQ(second.next(), 0);
            ASSERT_EQ(second.next(), 0);
            b.push_back(clipped(people.buf().text("PEO:NAME")));
        }
        EXPECT_EQ(a, (Names{"Ann", "Bob", "Cid"})) << round;
        EXPECT_EQ(b, (Names{"Bob", "Dan", "Fay"})) << round;
        EXPECT_EQ(walk(second, false), (Names{"Eve", "Dan", "Cid", "Bob", "Ann"})) << round;
        if (round == 1) {
            // Reopening the file forgets every kept read.
            first.close();
            second.close();
            people.close();
            ASSERT_EQ(people.open(), 0);
            people.send("QUICKSCAN=on");
        }
    }
    people.send("QUICKSCAN=off");
}

}  // namespace
