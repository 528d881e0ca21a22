// The form engine over a real file: the auto-numbered insert, OK on an unchanged record,
// the close-confirmation table, required entries, the delete request, captions and Ctrl+'.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>

#include "engine_fixture.h"
#include "frame/file_hooks.h"
#include "frame/globals.h"
#include "frame/program_end.h"
#include "runtime/data/transaction.h"
#include "tests/support/damaged_key.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/short_wait_seconds.h"
#include "tests/support/temp_dir.h"

namespace {

namespace et = enginetest;

rt::ControlName number(int control) {
    return rt::ControlName{rt::ControlName::By::Number, control, {}};
}

class FormEngineTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetProgramExitCode();  // a halt of an earlier test must not end this program
        et::listOptions() = {};
        et::formOptions() = {};
    }
    void TearDown() override {
        if (started_) driver.finish();
        SetFileHooks(et::items(), {});
    }
    // Runs the form with `request` on the record numbered `recordNumber` (0: a cleared buffer).
    void startForm(long request, long long recordNumber = 0) {
        started_ = true;
        driver.start([this, request, recordNumber] {
            rt::RecordFile& f = et::items();
            f.open();
            f.clear();
            if (recordNumber) {
                f.buf().setInteger(et::kNum, recordNumber);
                f.get(et::kKeyNum);
            }
            GLO::Request = request;
            et::UpdateItem();
            response = GLO::Response;
            f.close();
            done = true;
        });
        driver.settle();
    }
    // The records in number order as "NAME/NUM".
    std::vector<std::string> records() {
        std::vector<std::string> out;
        rt::RecordFile& f = et::items();
        f.open();
        f.set(et::kKeyNum);
        while (f.next() == 0)
            out.push_back(std::string(rt::clip(f.buf().text(et::kName))) + "/" +
                          std::to_string(f.buf().integer(et::kNum)));
        f.close();
        return out;
    }
    std::vector<std::string> captions() {
        std::vector<std::string> out;
        for (const auto& d : driver.backend().pendingDialogs())
            out.push_back(d->caption);
        return out;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    bool started_ = false;
    long response = 0;
    bool done = false;
};

TEST_F(FormEngineTest, AutoNumberedInsertTakesOneAboveTheHighestNumber) {
    struct Case {
        std::vector<std::string> names;
        long long highest;  // renumbered to this before the form opens
        long long expected;
    };
    for (const Case& c : {Case{{}, 0, 1}, Case{{"A", "B", "C"}, 41, 42}}) {
        SCOPED_TRACE(c.expected);
        et::makeItems(c.names);
        if (c.highest) {  // numbers 1, 2 and 41: lower free numbers do not count
            rt::RecordFile& f = et::items();
            f.open();
            f.buf().setInteger(et::kNum, 3);
            f.get(et::kKeyNum);
            f.buf().setInteger(et::kNum, c.highest);
            f.put();
            f.close();
        }
        et::formOptions().path = InsertPath::AutoNumbered;
        et::formOptions().prime = [] { et::items().buf().setText(et::kName, "NEW"); };
        startForm(REQ::Insert);
        driver.waitWindow("Adding a ITEMS Record");
        // Numbered at opening, but in the file only once OK adds it.
        EXPECT_EQ(records().size(), c.names.size());
        EXPECT_EQ(std::stoll(driver.text(number(et::kFormNum))), c.expected);
        driver.type(number(et::kFormName), "KEPT");
        driver.press("OK");
        driver.settle();
        EXPECT_TRUE(done);
        EXPECT_EQ(response, RESP::Completed);
        EXPECT_EQ(records().back(), "KEPT/" + std::to_string(c.expected));
        driver.finish();
        started_ = false;
        done = false;
    }
}

TEST_F(FormEngineTest, ANumberThatCannotBeClaimedAsksWarning25AndCancelAddsNothing) {
    testsupport::ShortWaitSeconds seconds(100);  // the claim's wait for the lock runs out
    et::makeItems({"A", "B"});
    et::formOptions().path = InsertPath::AutoNumbered;
    // Another station holds the file in a transaction for as long as the form tries.
    rt::RecordFile& f = et::items();
    f.open();
    ASSERT_EQ(rt::logout(1, {&f}), 0);
    startForm(REQ::Insert);
    EXPECT_THAT(captions(), testing::ElementsAre("Auto Increment Error"));
    EXPECT_THAT(driver.backend().pendingDialogs()[0]->text,
                testing::HasSubstr("Error: File Is Already Locked (32)."));
    driver.answer("Retry");
    EXPECT_THAT(captions(), testing::ElementsAre("Auto Increment Error"));
    driver.answer("Cancel");
    driver.settle();
    rt::rollback();
    f.close();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(driver.active(), nullptr);  // the window was never shown
    EXPECT_THAT(records(), testing::ElementsAre("A/1", "B/2"));
}

TEST_F(FormEngineTest, ACancelledNumberedInsertAddsNothingAndItsNumberIsGivenOutAgain) {
    et::makeItems({"A"});
    et::formOptions().path = InsertPath::AutoNumbered;
    et::formOptions().question = CloseQuestion::SaveChanges;
    startForm(REQ::Insert);
    driver.waitWindow("Adding a ITEMS Record");
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
    driver.close();  // unchanged: no question
    driver.settle();
    EXPECT_TRUE(captions().empty());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
    driver.finish();

    done = false;
    et::formOptions().prime = [] { et::items().buf().setText(et::kName, "NEXT"); };
    startForm(REQ::Insert);
    driver.waitWindow("Adding a ITEMS Record");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("A/1", "NEXT/2"));
}

TEST_F(FormEngineTest, ANumberedInsertDuplicatingAnotherKeyIsRefusedAtOkAndAddsNothing) {
    et::makeItems({"A", "B"});  // codes C1 and C2
    et::formOptions().path = InsertPath::AutoNumbered;
    et::formOptions().prime = [] { et::items().buf().setText(et::kCode, "C1"); };
    startForm(REQ::Insert);
    driver.waitWindow("Adding a ITEMS Record");
    driver.type(number(et::kFormName), "NEW");
    driver.press("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Duplicate Key Error"));
    driver.answer("OK");
    driver.type(number(et::kFormCode), "C3");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("A/1", "B/2", "NEW/3"));
}

TEST_F(FormEngineTest, ADamagedNumberKeyIsReportedAs46AndRebuiltOnYes) {
    et::makeItems(et::numberedNames(200));
    testsupport::damageKeyPages("ITEMS.KVF", "rec_k1");
    et::formOptions().path = InsertPath::AutoNumbered;
    startForm(REQ::Insert);
    auto dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Record Retrieval Error");
    EXPECT_THAT(dialogs[0]->text, testing::HasSubstr("(Key File Must Be Rebuilt (46))"));
    driver.answer("OK");
    EXPECT_EQ(captions(), std::vector<std::string>{"Invalid Key"});
    driver.answer("Yes");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Cancelled);
    const std::vector<std::string> rows = records();
    ASSERT_EQ(rows.size(), 200u);
    EXPECT_EQ(rows.front(), "N01/1");
    EXPECT_EQ(rows.back(), "N200/200");
}

TEST_F(FormEngineTest, AChangedAutoNumberedInsertAsksAndNoDeletesTheAddedRecord) {
    et::makeItems({"A"});
    et::formOptions().path = InsertPath::AutoNumbered;
    et::formOptions().question = CloseQuestion::SaveChanges;
    startForm(REQ::Insert);
    driver.waitWindow("Adding a ITEMS Record");
    driver.type(number(et::kFormName), "EDITED");
    driver.close();
    ASSERT_THAT(captions(), testing::ElementsAre("Update Cancelled"));
    driver.answer("No");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
}

TEST_F(FormEngineTest, YesOnTheSaveQuestionRunsTheChecksOfOk) {
    et::makeItems({});
    et::formOptions().question = CloseQuestion::SaveChanges;
    startForm(REQ::Insert);
    driver.type(number(et::kFormNum), "7");  // the required name stays blank
    driver.close();
    ASSERT_THAT(captions(), testing::ElementsAre("Update Cancelled"));
    driver.answer("Yes");
    driver.settle();
    EXPECT_FALSE(done);
    EXPECT_EQ(driver.active()->focus(), et::kFormName);
    EXPECT_TRUE(records().empty());
    driver.type(number(et::kFormName), "NAMED");
    driver.close();
    driver.answer("Yes");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("NAMED/7"));
}

TEST_F(FormEngineTest, AReadErrorWhileNumberingClosesTheFormAndAddsNothing) {
    et::makeItems({"A"});
    et::formOptions().path = InsertPath::AutoNumbered;
    // The file is closed under the form before it reads the highest number.
    et::formOptions().prime = [] { et::items().close(); };
    startForm(REQ::Insert);
    ASSERT_THAT(captions(), testing::ElementsAre("Record Retrieval Error"));
    EXPECT_THAT(driver.backend().pendingDialogs()[0]->text, testing::HasSubstr("ITEMS"));
    driver.answer("OK");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(driver.active(), nullptr);  // the window was never shown
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
}

// Claiming the number writes to the file: a full disk then fails an insert, and the message
// says so and names the full disk, not a record that could not be read.
TEST_F(FormEngineTest, AFullDiskWhileClaimingTheNumberIsAnInsertErrorNamingTheFullDisk) {
    et::makeItems({"A"});
    et::formOptions().path = InsertPath::AutoNumbered;
    testsupport::FaultyFileSystem fs;
    fs.inject({testsupport::FaultOp::Write, "-journal", SQLITE_FULL, ENOSPC});
    startForm(REQ::Insert);
    ASSERT_THAT(captions(), testing::ElementsAre("Record Insert Error"));
    EXPECT_EQ(driver.backend().pendingDialogs()[0]->text,
              "An error was experienced during the update of record.  Error: database or disk "
              "is full (13).");
    driver.answer("OK");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Cancelled);
    fs.clear();
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
}

TEST_F(FormEngineTest, OkOnAnUnchangedRecordWritesNothingAndCompletes) {
    et::makeItems({"A", "B"});
    int updates = 0;
    FileHooks hooks;
    hooks.finishUpdate = [&] { ++updates; };
    SetFileHooks(et::items(), hooks);
    startForm(REQ::Change, 2);
    driver.waitWindow("Changing a ITEMS Record");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(updates, 0);

    startForm(REQ::Change, 2);
    driver.type(number(et::kFormName), "BB");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(updates, 1);
    EXPECT_THAT(records(), testing::ElementsAre("A/1", "BB/2"));
}

TEST_F(FormEngineTest, CloseConfirmationTable) {
    struct Case {
        CloseQuestion question;
        bool edit;
        std::string expectedBox;  // "" for none
        std::string answer;
        bool staysOpen;
        long response;
        std::string stored;  // record 1 afterwards
    };
    const std::vector<Case> cases = {
        {CloseQuestion::SaveChanges, false, "", "", false, RESP::Cancelled, "A/1"},
        {CloseQuestion::SaveChanges, true, "Update Cancelled", "Yes", false, RESP::Completed,
         "EDITED/1"},
        {CloseQuestion::SaveChanges, true, "Update Cancelled", "No", false, RESP::Cancelled, "A/1"},
        {CloseQuestion::SaveChanges, true, "Update Cancelled", "Cancel", true, 0, "A/1"},
        {CloseQuestion::ConfirmCancel, true, "Update Cancelled", "Yes", false, RESP::Cancelled,
         "A/1"},
        {CloseQuestion::ConfirmCancel, true, "Update Cancelled", "No", true, 0, "A/1"},
        {CloseQuestion::None, true, "", "", false, RESP::Cancelled, "A/1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.question) << " " << c.edit << " " << c.answer);
        et::makeItems({"A"});
        et::formOptions().question = c.question;
        startForm(REQ::Change, 1);
        if (c.edit) driver.type(number(et::kFormName), "EDITED");
        driver.press("Cancel");
        if (c.expectedBox.empty()) {
            EXPECT_TRUE(captions().empty());
        } else {
            ASSERT_THAT(captions(), testing::ElementsAre(c.expectedBox));
            driver.answer(c.answer);
        }
        driver.settle();
        EXPECT_EQ(done, !c.staysOpen);
        if (!c.staysOpen) {
            EXPECT_EQ(response, c.response);
        }
        if (c.staysOpen) {  // undo the edit: now it closes without a question
            driver.type(number(et::kFormName), "A");
            driver.press("Cancel");
            driver.settle();
            EXPECT_TRUE(done);
        }
        driver.finish();
        started_ = false;
        done = false;
        EXPECT_EQ(records().front(), c.stored);
    }
}

TEST_F(FormEngineTest, AChangeByAnotherStationShowsTheirVersionAndTheFormStays) {
    et::makeItems({"A"});
    startForm(REQ::Change, 1);
    driver.type(number(et::kFormName), "MINE");
    // Another station (this test's thread has its own instance of the file) changes it.
    rt::RecordFile& f = et::items();
    f.open();
    f.buf().setInteger(et::kNum, 1);
    ASSERT_EQ(f.get(et::kKeyNum), 0);
    f.buf().setText(et::kName, "THEIRS");
    ASSERT_EQ(f.put(), 0);
    f.close();
    driver.press("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Update Operation Error"));
    driver.answer("OK");
    EXPECT_FALSE(done);
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "THEIRS");
    driver.type(number(et::kFormName), "MINE");
    driver.press("OK");  // now over their version
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("MINE/1"));
}

TEST_F(FormEngineTest, AFailedUpdateOffersRetryAndNoClosesAfterTheSaveQuestion) {
    testsupport::ShortWaitSeconds seconds(100);  // the guarded update's wait runs out
    et::makeItems({"A"});
    et::formOptions().question = CloseQuestion::SaveChanges;
    startForm(REQ::Change, 1);
    driver.type(number(et::kFormName), "MINE");
    // Another station holds the file in a transaction: the guarded update cannot start.
    rt::RecordFile& f = et::items();
    f.open();
    ASSERT_EQ(rt::logout(1, {&f}), 0);
    driver.press("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Transaction Framing Error"));
    driver.answer("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Record Update Error"));
    driver.answer("No");
    // Still changed: the close asks whether to save.
    ASSERT_THAT(captions(), testing::ElementsAre("Update Cancelled"));
    driver.answer("No");
    driver.settle();
    rt::rollback();
    f.close();
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_THAT(records(), testing::ElementsAre("A/1"));
}

TEST_F(FormEngineTest, LookupOnEntryCallsTheSelectListOnlyForAValueNotFound) {
    et::makeItems({});
    et::makeCodes({"AA", "BB", "CC"});
    et::formOptions().codeLookup = true;
    auto focusCode = [&] {
        rt::Input in;
        in.kind = rt::Input::Kind::Focus;
        in.control = et::kFormCode;
        driver.active()->postInput(in);
        driver.settle();
    };
    et::formOptions().prime = [] { et::items().buf().setText(et::kCode, "BB"); };
    startForm(REQ::Insert);
    focusCode();
    EXPECT_EQ(driver.active()->title(), "Adding a ITEMS Record");  // found: no list
    driver.press("Cancel");
    driver.finish();

    et::formOptions().prime = [] { et::items().buf().setText(et::kCode, "BX"); };
    startForm(REQ::Insert);
    focusCode();
    driver.waitWindow("Browse Items");  // the select list, on the first code after BX
    EXPECT_EQ(et::highlightedName(driver), "CC");
    driver.press("&Select");
    driver.waitWindow("Adding a ITEMS Record");
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormCode))), "CC");
    driver.press("Cancel");  // the lookup's answer did not complete the form
    driver.settle();
    EXPECT_EQ(response, RESP::Cancelled);
}

TEST_F(FormEngineTest, RequiredEntryStopsTheAcceptAllPass) {
    et::makeItems({});
    startForm(REQ::Insert);
    driver.waitWindow("Adding a ITEMS Record");
    driver.type(number(et::kFormNum), "5");
    driver.press("OK");  // the name is required and blank
    driver.settle();
    EXPECT_FALSE(done);
    EXPECT_TRUE(records().empty());
    driver.type(number(et::kFormName), "NAMED");
    driver.press("OK");
    driver.settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("NAMED/5"));
}

TEST_F(FormEngineTest, DuplicateOfAUniqueKeyIsNamedAndTheFormStays) {
    et::makeItems({"A"});
    startForm(REQ::Insert);
    driver.type(number(et::kFormName), "B");
    driver.type(number(et::kFormNum), "1");  // number 1 exists
    driver.press("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Duplicate Key Error"));
    EXPECT_THAT(driver.backend().pendingDialogs()[0]->text, testing::HasSubstr("ITM:KEYNUM"));
    driver.answer("OK");
    EXPECT_FALSE(done);
    EXPECT_EQ(driver.active()->focus(), et::kFormName);
    driver.press("Cancel");
}

TEST_F(FormEngineTest, DeleteRequestAsksWithoutAWindow) {
    et::makeItems({"A", "B"});
    startForm(REQ::Delete, 1);
    ASSERT_THAT(captions(), testing::ElementsAre("Confirm Delete"));
    EXPECT_EQ(driver.active(), nullptr);
    driver.answer("Cancel");
    driver.settle();
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(records().size(), 2u);
    driver.finish();

    startForm(REQ::Delete, 1);
    driver.answer("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("B/2"));
}

TEST_F(FormEngineTest, CaptionsFollowTheRequestAndTheStyle) {
    et::makeItems({"A"});
    et::formOptions().caption = CaptionStyle::StringControl;
    startForm(REQ::Change, 1);
    EXPECT_EQ(driver.active()->propText(et::kFormCaption, PROP::Text), "Record will be Changed");
    EXPECT_EQ(driver.active()->title(), "Item Form");
    driver.press("Cancel");
    driver.finish();

    et::formOptions().caption = CaptionStyle::StatusText;
    startForm(REQ::Insert);
    EXPECT_EQ(driver.active()->status(1), "Adding a ITEMS Record");
    driver.press("Cancel");
}

TEST_F(FormEngineTest, CtrlQuoteRecallsTheValuesLastSaved) {
    et::makeItems({"A", "B"});
    et::formOptions().ditto = true;
    startForm(REQ::Change, 1);
    driver.key("Ctrl+'");  // nothing saved yet: a blank name
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "");
    driver.type(number(et::kFormName), "SAVED");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    driver.finish();

    startForm(REQ::Change, 2);
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "B");
    driver.key("Ctrl+'");
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "SAVED");
    driver.press("Cancel");
}

TEST_F(FormEngineTest, AfterAnotherStationsChangeCtrlQuoteBringsBackWhatTheUserTriedToSave) {
    et::makeItems({"A"});
    et::formOptions().ditto = true;
    startForm(REQ::Change, 1);
    driver.type(number(et::kFormName), "MINE");
    rt::RecordFile& f = et::items();  // another station (this thread) changes the record
    f.open();
    f.buf().setInteger(et::kNum, 1);
    ASSERT_EQ(f.get(et::kKeyNum), 0);
    f.buf().setText(et::kName, "THEIRS");
    ASSERT_EQ(f.put(), 0);
    f.close();
    driver.press("OK");
    ASSERT_THAT(captions(), testing::ElementsAre("Record Was Not Updated"));
    driver.answer("OK");
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "THEIRS");
    EXPECT_EQ(driver.active()->focus(), et::kFormName);
    driver.key("Ctrl+'");
    EXPECT_EQ(rt::clip(driver.text(number(et::kFormName))), "MINE");
    driver.press("OK");
    driver.settle();
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_THAT(records(), testing::ElementsAre("MINE/1"));
}

}  // namespace
