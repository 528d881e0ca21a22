// The list engine over a real file of 20 records in a list of 5 visible rows: paging at both
// ends, locators, locating past the end, re-location among duplicates, the thumb with scroll
// stops, an empty file, select mode, the popup menu and read errors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <set>

#include "engine_fixture.h"
#include "frame/globals.h"
#include "frame/program_end.h"
#include "frame/scroll_stops.h"
#include "frame/tagging.h"
#include "records/tag_file.h"
#include "tests/support/damaged_key.h"
#include "tests/support/temp_dir.h"

namespace {

using enginetest::highlighted;
using enginetest::highlightedName;
using enginetest::page;
using testing::ElementsAre;
namespace et = enginetest;

class BrowseEngineTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetProgramExitCode();  // a halt of an earlier test must not end this program
        et::listOptions() = {};
        et::formOptions() = {};
    }
    void TearDown() override {
        if (started_) driver.finish();
    }
    void start(std::function<void()> body = et::BrowseItems) {
        started_ = true;
        driver.start(std::move(body));
        driver.settle();
    }
    std::vector<std::string> names(std::initializer_list<int> numbers) {
        std::vector<std::string> out;
        for (int n : numbers)
            out.push_back(et::numberedNames(20)[n - 1]);
        return out;
    }
    std::string dialogText() {
        auto d = driver.backend().pendingDialogs();
        return d.empty() ? std::string()
                         : (d.front()->menu.empty() ? d.front()->caption : d.front()->menu);
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    bool started_ = false;
};

TEST_F(BrowseEngineTest, PagingStopsAtBothEndsAndMovesTheHighlightByTheRowsMissing) {
    et::makeItems(et::numberedNames(20));
    start();
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    EXPECT_EQ(highlighted(driver), 1);

    driver.key("PgUp");  // at the top: nothing to read, the highlight stays on row 1
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    EXPECT_EQ(highlighted(driver), 1);
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 0);

    // Shift the page by two rows at its bottom edge, then highlight row 2.
    for (int i = 0; i < 6; ++i)
        driver.key("Down");
    EXPECT_EQ(page(driver), names({3, 4, 5, 6, 7}));
    for (int i = 0; i < 3; ++i)
        driver.key("Up");
    EXPECT_EQ(highlightedName(driver), "N04");

    driver.key("PgDn");
    driver.key("PgDn");
    EXPECT_EQ(page(driver), names({13, 14, 15, 16, 17}));
    EXPECT_EQ(highlighted(driver), 2);  // a full page keeps the highlight's line
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 50);

    driver.key("PgDn");  // only 3 records left: the page ends with the last record
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlightedName(driver), "N19");  // moved down by the 2 rows not read
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 100);

    driver.key("PgDn");
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlightedName(driver), "N20");
    driver.key("Down");  // at the end nothing moves
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlightedName(driver), "N20");

    driver.key("Ctrl+Home");
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    EXPECT_EQ(highlighted(driver), 1);
    driver.key("Ctrl+End");
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlighted(driver), 5);
    EXPECT_TRUE(driver.active()->prop(et::kList, PROP::VerticalScrollBar));
}

TEST_F(BrowseEngineTest, IncrementalLocatorLocatesAndAValuePastTheEndShowsTheLastPage) {
    et::makeItems(et::numberedNames(20));
    start();
    driver.key("N");
    driver.key("1");
    driver.key("9");  // near the end: a full page ending with the last record
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlightedName(driver), "N19");
    driver.key("Backspace");
    driver.key("Backspace");
    driver.key("0");  // "N0": the first record at or after it
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    driver.key("7");
    EXPECT_EQ(page(driver), names({7, 8, 9, 10, 11}));
    EXPECT_EQ(highlighted(driver), 1);

    driver.key("Down");  // a scroll clears the locator text
    driver.key("Z");     // past the last record
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(highlighted(driver), 5);
}

TEST_F(BrowseEngineTest, StepLocatorStepsThroughTheRecordsOfOneLetter) {
    et::makeItems({"ADAMS", "ALLEN", "BAKER", "BROWN", "CLARK", "DAVIS", "EVANS", "FOX"});
    et::listOptions().nameLocator = LocatorKind::Step;
    start();
    driver.key("B");
    EXPECT_EQ(highlightedName(driver), "BAKER");
    driver.key("B");
    EXPECT_EQ(highlightedName(driver), "BROWN");
    driver.key("B");  // after the last B, back to the first
    EXPECT_EQ(highlightedName(driver), "BAKER");
    driver.key("C");
    EXPECT_EQ(highlightedName(driver), "CLARK");
    driver.key("G");  // no G: the first record after it, here past the end
    EXPECT_EQ(highlightedName(driver), "FOX");
}

TEST_F(BrowseEngineTest, EntryLocatorLocatesOnAcceptanceAndTypingGoesOnFromIt) {
    et::makeItems({"ADAMS", "ALLEN", "BAKER", "BROWN", "CLARK", "DAVIS", "EVANS", "FOX"});
    et::listOptions().nameLocator = LocatorKind::Entry;
    start();
    driver.type(et::kEntry, "br");
    EXPECT_EQ(highlightedName(driver), "BROWN");
    EXPECT_EQ(driver.active()->focus(), et::kList);
    driver.key("Backspace");  // "B"
    EXPECT_EQ(highlightedName(driver), "BAKER");
}

TEST_F(BrowseEngineTest, OwnLogicCompletesTheKeyBetweenTheLocatorAndTheLocate) {
    et::makeItems(et::numberedNames(20));
    for (LocatorKind kind : {LocatorKind::Incremental, LocatorKind::Entry}) {
        SCOPED_TRACE(static_cast<int>(kind));
        et::listOptions().nameLocator = kind;
        // What was typed is taken as the first digit after the "N".
        et::listOptions().locatorAssigned = [] {
            et::items().buf().setText(et::kName, "N" + et::items().buf().text(et::kName));
        };
        start();
        if (kind == LocatorKind::Entry)
            driver.type(et::kEntry, "1");
        else
            driver.key("1");
        EXPECT_EQ(highlightedName(driver), "N10");
        driver.finish();
        started_ = false;
    }
}

TEST_F(BrowseEngineTest, ThumbLocatesOnItsScrollStopAndFollowsTheHighlight) {
    et::makeItems(et::numberedNames(20));
    start();
    driver.press("By Number");
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    // Stops spread 1..20 over 100 positions; stop 50 holds 10 (10.4 cut to a whole number).
    driver.thumb(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 50);
    EXPECT_EQ(page(driver), names({10, 11, 12, 13, 14}));
    EXPECT_EQ(highlighted(driver), 1);
    // Stop 48 (10.02) is the first at or above 10.
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 48);
    driver.thumb(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 100);
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 100);
    driver.thumb(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 0);
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 0);
}

// The stops are kept while the order's ends stay; a new end (here another station's record)
// spreads them anew when the order is chosen again.
TEST_F(BrowseEngineTest, ThumbStopsFollowANewEndOfTheOrder) {
    et::makeItems(et::numberedNames(20));
    start();
    const rt::ControlName list{rt::ControlName::By::Number, et::kList, {}};
    driver.press("By Number");
    driver.thumb(list, 50);
    EXPECT_EQ(page(driver), names({10, 11, 12, 13, 14}));
    rt::RecordFile& other = et::items();  // this thread's own connection: another station
    ASSERT_EQ(other.open(), 0);
    other.clear();
    other.buf().setText(et::kName, "FAR");
    other.buf().setInteger(et::kNum, 200);
    other.buf().setText(et::kCode, "C200");
    ASSERT_EQ(other.add(), 0);
    other.close();
    driver.press("By Name");
    driver.press("By Number");
    // Stops now spread 1..200: stop 50 holds 99, and the first number at or above it is 200.
    driver.thumb(list, 50);
    EXPECT_EQ(highlightedName(driver), "FAR");
    driver.press("By Name");
    driver.press("By Number");
    driver.thumb(list, 50);  // the same ends again: the same stops
    EXPECT_EQ(highlightedName(driver), "FAR");
}

TEST_F(BrowseEngineTest, TextScrollStopsSpreadTheThumbOverTheNames) {
    et::makeItems({"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS", "FOX",  "GREEN",
                   "HILL",  "JONES", "KING",  "LEWIS", "MOORE", "NASH", "OWEN",
                   "PRICE", "REED",  "SCOTT", "TODD",  "WEST",  "YOUNG"});
    et::listOptions().nameStops = StopKind::Text;
    start();
    InitStringScrollStops("ADAMS", "YOUNG", 10, 1, 0);
    std::string stop;
    for (int i = 0; i < 50; ++i)
        stop = NextStringScrollStop();  // stop 50
    driver.thumb(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 50);
    const std::string first = highlightedName(driver);
    EXPECT_GE(rt::compareText(first, stop), 0);
    EXPECT_EQ(highlighted(driver), 1);
    EXPECT_THAT(first, testing::AnyOf("KING", "LEWIS", "MOORE", "NASH"));
    driver.key("Ctrl+Home");
    // Stop 1 is the low key's first four letters ("ADAM"), below ADAMS: stop 2 is the first
    // at or above it.
    EXPECT_EQ(driver.active()->prop(et::kList, PROP::VerticalThumb), 2);
}

TEST_F(BrowseEngineTest, TaggingMarksRowsAndShowTaggedOnlyPassesOverTheOthers) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().tagTable = TAG::Contacts;
    start();
    driver.press("Tag");  // N01 tagged, the highlight moves on
    EXPECT_EQ(highlightedName(driver), "N02");
    driver.key("Down");
    driver.press("Tag");  // N03
    EXPECT_EQ(et::marks(driver), "X X  ");
    driver.key("Ctrl+End");
    driver.press("Tag");  // N20: the last row stays highlighted
    EXPECT_EQ(et::marks(driver), "    X");

    driver.key("Ctrl+Home");
    driver.key("Down");
    driver.press("Next Tagged");
    EXPECT_EQ(highlightedName(driver), "N03");
    driver.press("Next Tagged");
    EXPECT_EQ(highlightedName(driver), "N20");
    driver.press("Next Tagged");
    ASSERT_EQ(dialogText(), "");  // a message box: its caption is empty
    EXPECT_EQ(driver.backend().pendingDialogs()[0]->text, "There are no more tagged records!");
    EXPECT_EQ(driver.backend().pendingDialogs()[0]->icon, ICON::Exclamation);
    driver.answer("OK");

    driver.press("Show Tagged");
    EXPECT_THAT(page(driver), ElementsAre("N01", "N03", "N20"));
    EXPECT_EQ(driver.text(rt::ControlName{rt::ControlName::By::Number, et::kShowTagged, {}}),
              "Show All");
    EXPECT_EQ(highlightedName(driver), "N20");
    driver.key("Up");
    driver.press("Untag");  // N03; the highlight moves on to N20
    driver.press("Show All");
    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));
    EXPECT_EQ(et::marks(driver), "    X");
    driver.key("Ctrl+Home");
    EXPECT_EQ(et::marks(driver), "X    ");
    EXPECT_EQ(CountTags_(TAG::Contacts), 2);

    driver.key("Down");
    driver.press("Tag All");  // the page is rebuilt with its marks, the highlight kept
    EXPECT_EQ(et::marks(driver), "XXXXX");
    EXPECT_EQ(highlightedName(driver), "N02");
    GLO::TagCountTable = 0;  // this thread's cache knows nothing of the list's tagging
    EXPECT_EQ(CountTags_(TAG::Contacts), 20);
}

TEST_F(BrowseEngineTest, ATaggingListHoldsNoLockOnTheTagFileWhileItWaits) {
    // Whether another station could commit to the tag file now, without waiting.
    auto tagFileFree = [] {
        sqlite3* db = nullptr;
        const std::string path = records::tagFile().name();
        bool free = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
        sqlite3_busy_timeout(db, 0);
        free = free && sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (free) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return free;
    };
    et::makeItems(et::numberedNames(20));
    et::listOptions().tagTable = TAG::Contacts;
    start();
    driver.press("Tag");
    EXPECT_TRUE(tagFileFree());
    driver.key("PgDn");  // a page fill reads its marks in one go
    EXPECT_EQ(et::marks(driver), "     ");
    EXPECT_TRUE(tagFileFree());
    driver.press("Show Tagged");  // a locate and scroll stops over the marks
    EXPECT_THAT(page(driver), ElementsAre("N01"));
    EXPECT_TRUE(tagFileFree());
    driver.press("Show All");
    driver.key("Ctrl+Home");
    EXPECT_EQ(et::marks(driver), "X    ");
    EXPECT_TRUE(tagFileFree());
}

TEST_F(BrowseEngineTest, NextTaggedMovesToTheVeryNextTaggedRecordAmongEqualKeys) {
    // Eight records, six of them SMITH (numbered 2 to 7); the third and the sixth are tagged.
    et::makeItems({"ADAMS", "SMITH", "SMITH", "SMITH", "SMITH", "SMITH", "SMITH", "TAYLOR"});
    et::listOptions().tagTable = TAG::Contacts;
    start();
    auto number = [&] {
        std::string text = driver.active()->rowTexts(et::kList, highlighted(driver)).at(1);
        return std::string(rt::clip(rt::left(text)));
    };
    driver.key("Down");
    driver.key("Down");
    ASSERT_EQ(number(), "3");
    driver.press("Tag");
    for (int i = 0; i < 2; ++i)
        driver.key("Down");
    ASSERT_EQ(number(), "6");
    driver.press("Tag");

    driver.key("Ctrl+Home");
    driver.press("Next Tagged");
    EXPECT_EQ(number(), "3");
    driver.press("Next Tagged");  // past the other SMITHs to the next tagged one
    EXPECT_EQ(number(), "6");
}

TEST_F(BrowseEngineTest, AResizedListPagesForItsNewHeight) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().resizable = true;
    start();
    driver.key("Down");
    rt::Input grow;
    grow.kind = rt::Input::Kind::Resize;
    grow.number = 200;
    grow.number2 = 240;
    driver.active()->postInput(grow);
    driver.settle();
    EXPECT_GT(driver.active()->visibleRows(et::kList), 5);
    EXPECT_EQ(static_cast<int>(page(driver).size()), driver.active()->visibleRows(et::kList));
    EXPECT_EQ(highlightedName(driver), "N02");  // relocated on the highlighted record
}

TEST_F(BrowseEngineTest, ChangingTheTabKeepsTheHighlightedRecordAtTheTop) {
    et::makeItems({"E", "D", "C", "B", "A", "F", "G"});  // numbered 1..7
    start();
    driver.key("C");
    EXPECT_EQ(highlightedName(driver), "C");
    driver.press("By Number");  // C is number 3
    EXPECT_THAT(page(driver), ElementsAre("C", "B", "A", "F", "G"));
    EXPECT_EQ(highlighted(driver), 1);
}

TEST_F(BrowseEngineTest, InsertAndChangeRelocateTheVeryRecordAmongDuplicates) {
    std::vector<std::string> people{"ADAMS"};
    for (int i = 0; i < 12; ++i)
        people.push_back("SMITH");
    people.push_back("TAYLOR");
    et::makeItems(people);  // SMITH is numbered 2..13
    std::vector<std::pair<std::string, long long>> afterCall;
    et::listOptions().afterUpdate = [&](BrowseProcedure& list) {
        afterCall.emplace_back(rt::clip(list.rowFields(list.currentRow())[0].asText()),
                               list.rowFields(list.currentRow())[1].asNumber().toDouble());
    };
    start();
    for (int i = 0; i < 7; ++i)
        driver.key("Down");  // SMITH numbered 8, highlighted on row 5
    driver.press("&Change");
    driver.waitWindow("Changing a ITEMS Record");
    driver.type(et::kFormNum, "80");
    driver.press("OK");
    driver.settle();
    // Right after the form: the very record, first row, highlighted.
    ASSERT_EQ(afterCall.size(), 1u);
    EXPECT_EQ(afterCall[0].first, "SMITH");
    EXPECT_EQ(afterCall[0].second, 80);
    // The list window active again relocates by key value: the first SMITH.
    EXPECT_THAT(page(driver), ElementsAre("SMITH", "SMITH", "SMITH", "SMITH", "SMITH"));
    EXPECT_EQ(highlighted(driver), 1);

    driver.press("&Insert");
    driver.waitWindow("Adding a ITEMS Record");
    driver.type(et::kFormName, "smith");
    driver.type(et::kFormNum, "99");
    driver.press("OK");
    driver.settle();
    ASSERT_EQ(afterCall.size(), 2u);
    EXPECT_EQ(afterCall[1].first, "smith");
    EXPECT_EQ(afterCall[1].second, 99);
}

TEST_F(BrowseEngineTest, CopyStartsTheNewRecordFromTheHighlightedOne) {
    et::makeItems(et::numberedNames(5));
    std::vector<std::string> stored;
    et::listOptions().own = [&](BrowseProcedure&) {
        stored.clear();
        rt::RecordFile& f = et::items();
        f.set(et::kKeyNum);
        while (f.next() == 0)
            stored.push_back(std::string(rt::clip(f.buf().text(et::kName))) + "/" +
                             std::to_string(f.buf().integer(et::kNum)));
    };
    start();
    driver.key("Down");
    driver.key("Down");  // N03
    driver.press("Copy");
    driver.waitWindow("Adding a ITEMS Record");
    EXPECT_EQ(
        rt::clip(driver.text(rt::ControlName{rt::ControlName::By::Number, et::kFormName, {}})),
        "N03");
    driver.type(et::kFormNum, "50");
    driver.type(et::kFormCode, "C50");  // the code is a key without duplicates
    driver.press("OK");
    driver.settle();
    driver.press("Own");
    EXPECT_THAT(stored, ElementsAre("N01/1", "N02/2", "N03/3", "N04/4", "N05/5", "N03/50"));
}

TEST_F(BrowseEngineTest, DeleteRemovesTheRowAndCancelKeepsThePage) {
    et::makeItems(et::numberedNames(20));
    start();
    driver.key("Down");
    driver.key("Down");  // N03
    driver.press("&Delete");
    driver.answer("Cancel");  // "Confirm Delete" declined
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
    EXPECT_EQ(highlightedName(driver), "N03");
    driver.press("&Delete");
    driver.answer("OK");
    driver.settle();
    EXPECT_EQ(page(driver), names({1, 2, 4, 5, 6}));
    EXPECT_EQ(highlightedName(driver), "N04");
}

TEST_F(BrowseEngineTest, AnEmptyFileGreysTheRowActionsAndStillInserts) {
    et::makeItems({});
    start();
    EXPECT_TRUE(page(driver).empty());
    EXPECT_EQ(highlighted(driver), 0);
    EXPECT_FALSE(driver.active()->isEnabled(et::kChange));
    EXPECT_FALSE(driver.active()->isEnabled(et::kDelete));
    EXPECT_FALSE(driver.active()->isVisible(et::kSelect));  // not in select mode

    driver.click(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 0, "RightClick");
    EXPECT_EQ(dialogText(), "Add|~Open|~&Delete|-|~&Select");
    driver.cancel();
    driver.key("X");  // typing does nothing
    EXPECT_TRUE(page(driver).empty());

    driver.key("Insert");
    driver.waitWindow("Adding a ITEMS Record");
    driver.type(et::kFormName, "FIRST");
    driver.type(et::kFormNum, "1");
    driver.press("OK");
    driver.settle();
    EXPECT_THAT(page(driver), ElementsAre("FIRST"));
    EXPECT_TRUE(driver.active()->isEnabled(et::kChange));
    EXPECT_FALSE(driver.active()->prop(et::kList, PROP::VerticalScrollBar));
}

TEST_F(BrowseEngineTest, PopupMenuPressesTheButtonOfTheItemChosen) {
    et::makeItems(et::numberedNames(3));
    start();
    driver.click(rt::ControlName{rt::ControlName::By::Number, et::kList, {}}, 2, "RightClick");
    EXPECT_EQ(dialogText(), "Add|Open|&Delete|-|~&Select");
    driver.answer("Open");
    driver.waitWindow("Changing a ITEMS Record");
    EXPECT_EQ(
        rt::clip(driver.text(rt::ControlName{rt::ControlName::By::Number, et::kFormName, {}})),
        "N02");
    driver.press("Cancel");
}

TEST_F(BrowseEngineTest, DoubleClickOpensTheFormInBrowseModeAndSelectsInSelectMode) {
    et::makeItems(et::numberedNames(3));
    long response = 0;
    std::string chosen;
    start([&] {
        et::BrowseItems();
        GLO::Request = REQ::Select;
        et::BrowseItems();
        response = GLO::Response;
        chosen = rt::clip(et::items().buf().text(et::kName));
    });
    const rt::ControlName list{rt::ControlName::By::Number, et::kList, {}};
    driver.click(list, 3, "DoubleClick");
    driver.waitWindow("Changing a ITEMS Record");
    EXPECT_EQ(
        rt::clip(driver.text(rt::ControlName{rt::ControlName::By::Number, et::kFormName, {}})),
        "N03");
    driver.press("Cancel");
    driver.waitWindow("Browse Items");
    driver.press("Close");
    driver.settle();
    driver.click(list, 2, "DoubleClick");  // the select list
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(chosen, "N02");
}

struct SelectOutcome {
    long response = 0;
    std::string name;
    long long number = 0;
};

TEST_F(BrowseEngineTest, SelectModeOpensOnTheCallersRecordAndHandsBackTheHighlightedOne) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().nameLocator = LocatorKind::None;
    SelectOutcome selected, closed;
    auto selectList = [](SelectOutcome& out, const char* from) {
        return [&out, from] {
            et::items().buf().clear();
            et::items().buf().setText(et::kName, from);
            GLO::Request = REQ::Select;
            et::BrowseItems();
            out = {GLO::Response, std::string(rt::clip(et::items().buf().text(et::kName))),
                   et::items().buf().integer(et::kNum)};
        };
    };
    start([&] {
        selectList(selected, "N12")();
        selectList(closed, "N18")();
    });
    EXPECT_EQ(page(driver), names({12, 13, 14, 15, 16}));
    EXPECT_TRUE(driver.active()->isVisible(et::kSelect));
    driver.key("Down");
    driver.press("&Select");
    driver.settle();
    EXPECT_EQ(selected.response, RESP::Completed);
    EXPECT_EQ(selected.name, "N13");
    EXPECT_EQ(selected.number, 13);  // read again from the file, not only the columns

    EXPECT_EQ(page(driver), names({16, 17, 18, 19, 20}));  // near the end: a full last page
    EXPECT_EQ(highlightedName(driver), "N18");
    driver.press("Close");
    driver.settle();
    EXPECT_EQ(closed.response, RESP::Cancelled);
    EXPECT_EQ(closed.name, "N18");
    EXPECT_EQ(closed.number, 18);
}

TEST_F(BrowseEngineTest, FilterAndQuickScanPassOnlyTheRecordsTheFilterTakes) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().nameFilter = "ITM:NUM > 10";
    et::listOptions().quickScan = true;
    start();
    EXPECT_THAT(page(driver), ElementsAre("N11", "N12", "N13", "N14", "N15"));
    driver.key("PgDn");
    driver.key("PgDn");
    EXPECT_THAT(page(driver), ElementsAre("N16", "N17", "N18", "N19", "N20"));
}

TEST_F(BrowseEngineTest, AFilterThatCannotOpenIsReportedAndIgnored) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().nameFilter = "ITM:NUM >";
    start();
    ASSERT_EQ(dialogText(), "View Open Error");
    driver.answer("OK");
    EXPECT_EQ(page(driver), names({1, 2, 3, 4, 5}));
}

TEST_F(BrowseEngineTest, AReadErrorShowsItsWarningAndClosesTheList) {
    et::makeItems(et::numberedNames(20));
    et::listOptions().own = [](BrowseProcedure&) { et::items().close(); };
    bool ended = false;
    start([&] {
        et::BrowseItems();
        ended = true;
    });
    driver.press("Own");
    driver.key("PgDn");
    auto dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Record Retrieval Error");
    EXPECT_THAT(dialogs[0]->text, testing::HasSubstr("from the ITEMS file"));
    driver.answer("OK");
    driver.settle();
    EXPECT_TRUE(ended);
}

}  // namespace

namespace {

TEST_F(BrowseEngineTest, ADamagedKeyIsReportedAs46AndTheRebuiltListPagesInEveryOrder) {
    const std::vector<std::string> all = et::numberedNames(200);
    et::makeItems(all);
    testsupport::damageKeyPages("ITEMS.KVF", "rec_k0");
    et::listOptions().quickScan = true;  // its QUICKSCAN off must not hide the error
    bool ended = false;
    start([&] {
        et::BrowseItems();
        ended = true;
    });
    auto dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Record Retrieval Error");
    EXPECT_EQ(dialogs[0]->text,
              "Error: (Key File Must Be Rebuilt (46)) attempting to access a record from the "
              "ITEMS file.  Returning to previous window.");
    driver.answer("OK");
    dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Invalid Key");
    driver.answer("Yes");
    driver.settle();
    EXPECT_TRUE(ended);
    driver.finish();
    started_ = false;

    rt::Driver again;
    again.start(et::BrowseItems);
    again.settle();
    ASSERT_TRUE(again.backend().pendingDialogs().empty());
    // Forward to the end and back to the start, in the name order and the number order.
    std::vector<std::string> byName = all;
    std::sort(byName.begin(), byName.end());
    for (const auto& [tab, expected] :
         {std::pair{"By Name", byName}, std::pair{"By Number", all}}) {
        SCOPED_TRACE(tab);
        again.press(tab);
        again.key("Ctrl+Home");
        auto walk = [&](const char* key) {
            std::vector<std::string> seen;
            std::set<std::string> known;
            for (int i = 0; i <= 41; ++i) {
                std::vector<std::string> rows = page(again);
                if (std::string(key) == "PgUp") std::reverse(rows.begin(), rows.end());
                for (const std::string& name : rows)
                    if (known.insert(name).second) seen.push_back(name);
                again.key(key);
            }
            return seen;
        };
        EXPECT_EQ(walk("PgDn"), expected);
        std::vector<std::string> backward = expected;
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(walk("PgUp"), backward);
    }
    again.finish();
}

}  // namespace
