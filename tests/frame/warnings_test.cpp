// The warning catalogue as one golden table, the error description rules, and showing
// warnings (answers, program-ending warnings, the saved error cleared).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/saved_error.h"
#include "frame/warnings.h"
#include "program_run.h"
#include "runtime/data/errors.h"
#include "runtime/ui/codes.h"

namespace {

constexpr int Ex = ICON::Exclamation;
constexpr int Qu = ICON::Question;

struct Golden {
    int number;
    const char* text1;
    const char* text2;
    const char* title;
    const char* text;
    int buttons;
    int defaultButton;
    int icon;
    const char* halt;
};

// Caller texts arrive with trailing blanks: every piece must be clipped.
const Golden kCatalogue[] = {
    {1, "", "MAIL.KVF  ", "Invalid File",
     "Error: (Entry Not Found (30)) accessing MAIL.KVF.  Press OK to end this application.", 1, 1,
     Ex, "Invalid File!"},
    {2, "", "MAIL.KVF ", "Invalid Key",
     "MAIL.KVF key file is invalid.  Do you want to rebuild the key?", 6, 2, Qu, "Invalid Key!"},
    {3, "", "ZIP.KVF", "Key Rebuild Error",
     "Error: (Entry Not Found (30)) repairing key for ZIP.KVF.  Press OK to end this "
     "application.",
     1, 1, Ex, "Error Rebuilding Key!"},
    {4, "", "ZIP.KVF", "File Creation Error",
     "Error: (Entry Not Found (30)) creating ZIP.KVF.  Press OK to end this application.", 1, 1, Ex,
     "File Creation Error!"},
    {5, "", "ZIP.KVF", "File Creation Error",
     "Error: (Entry Not Found (30)) opening created file:ZIP.KVF.  Press OK to end this "
     "application.",
     1, 1, Ex, "File Creation Error!"},
    {14, "", "", "Record Insert Error",
     "An error was experienced during the update of record.  Error: Entry Not Found (30).", 1, 1,
     Ex, ""},
    {15, "", "Checks  ", "Update Operation Error",
     "An error (Entry Not Found (30)) was experienced when attempting to update a record from "
     "the file.  Probable Cause: Checks.",
     1, 1, Ex, ""},
    {16, "", "", "Record Update Error",
     "An error was experienced changing this record.  Do you want to try to save again?", 70, 64,
     Ex, ""},
    {17, "", "Zip", "Delete Operation Error",
     "An error (Entry Not Found (30)) was experienced when attempting to delete a record from "
     "the file Zip.",
     1, 1, Ex, ""},
    {18, "", "", "Record Update Error",
     "An error was experienced deleting this record.  Do you want to try to save again?", 70, 64,
     Ex, ""},
    {19, "", "", "Invalid Request",
     "This procedure was called to insert a record, however inserts are not allowed for this "
     "procedure.  Press OK to return to the calling procedure",
     1, 1, Ex, ""},
    {21, "", "", "Invalid Request",
     "This procedure was called to delete a record, however deletions are not allowed for this "
     "procedure.  Press OK to return to the calling procedure",
     1, 1, Ex, ""},
    {23, "", "", "Update Cancelled", "Are you sure you want to cancel?", 6, 4, Qu, ""},
    {24, "", "MAI:KEYLASTNAME ", "Duplicate Key Error",
     "Adding this record creates a duplicate entry for the key:MAI:KEYLASTNAME", 1, 1, Ex, ""},
    {25, "", "", "Auto Increment Error",
     "Attempts to automatically number this record have failed.  Error: Entry Not Found (30).", 80,
     64, Ex, ""},
    {30, "", "PLF.KVF", "File Access Error",
     "File (PLF.KVF) could not be opened.  Error: Entry Not Found (30).", 1, 1, Ex, ""},
    {31, "Process:View", "Put", "Process PUT Error",
     "An error was experienced when making changes to the Process:View file.  Error: Entry Not "
     "Found (30)",
     1, 1, Ex, ""},
    {31, "Process:View", "Delete", "Process DELETE Error",
     "An error was experienced when deleting a record from the Process:View file.  Error: Entry "
     "Not Found (30)",
     1, 1, Ex, ""},
    {31, "Process:View", "PUT", "Process DELETE Error",
     "An error was experienced when deleting a record from the Process:View file.  Error: Entry "
     "Not Found (30)",
     1, 1, Ex, ""},
    {32, "", "", "Confirm Delete",
     "You've selected to delete the highlighted record.  Press OK to confirm deletion of this "
     "record.",
     65, 64, Qu, ""},
    {33, "", "", "Update Cancelled", "Do you want to save the changes to this record?", 70, 4, Qu,
     ""},
    {34, "Checks ", "Update", "Transaction Framing Error",
     "Error: (Entry Not Found (30)) attempting to frame the update transaction on Checks.  Update "
     "transaction cancelled.",
     1, 1, Ex, ""},
    {34, "Zip", "Delete", "Transaction Framing Error",
     "Error: (Entry Not Found (30)) attempting to frame the delete transaction on Zip.  Delete "
     "transaction cancelled.",
     1, 1, Ex, ""},
    {35, "", "MAIL", "Record Retrieval Error",
     "Error: (Entry Not Found (30)) attempting to access a record from the MAIL file.  Returning "
     "to previous window.",
     1, 1, Ex, ""},
    {36, "", "", "View Open Error",
     "Error: (Entry Not Found (30)) attempting to open the current VIEW. Filter and Range Limits "
     "ignored.",
     1, 1, Ex, ""},
    {38, "", "", "Record Was Not Updated",
     "This record was changed by another station. Those changes will now be displayed. Use the "
     "Ditto Button or Ctrl+' to recall your changes.",
     1, 1, Ex, ""},
};

TEST(WarningCatalogue, EveryWarningHasItsTitleTextButtonsIconAndEnd) {
    const ErrorDescription error{30, "Entry Not Found (30)  "};
    for (const Golden& g : kCatalogue) {
        SCOPED_TRACE(testing::Message() << "warning " << g.number << " " << g.text2);
        auto box = BuildWarning(g.number, g.text1, g.text2, error);
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->title, g.title);
        EXPECT_EQ(box->text, g.text);
        EXPECT_EQ(box->buttons, g.buttons);
        EXPECT_EQ(box->defaultButton, g.defaultButton);
        EXPECT_EQ(box->icon, g.icon);
        EXPECT_EQ(box->haltMessage, g.halt);
    }
}

TEST(WarningCatalogue, NumbersOutsideTheCatalogueHaveNoBox) {
    const ErrorDescription error{0, "(0)"};
    for (int n : {0, 6, 13, 20, 22, 26, 37, 39, -1})
        EXPECT_FALSE(BuildWarning(n, "", "", error).has_value()) << n;
}

TEST(WarningCatalogue, UpdateErrorSpeaksOfAnotherStationOnlyForError89) {
    auto changed = BuildWarning(15, "", "Record Changed by Another Station",
                                {89, "Record Changed By Another Station (89)"});
    EXPECT_EQ(changed->text, "This record was changed by another station.");
    // A file-system error whose driver code reads as 0 is still quoted as an error.
    auto fileSystem = BuildWarning(15, "", "MAIL", {90, "disk I/O error (0)"});
    EXPECT_EQ(fileSystem->text,
              "An error (disk I/O error (0)) was experienced when attempting to update a record "
              "from the file.  Probable Cause: MAIL.");
}

class ErrorDescriptionTest : public testing::Test {
  protected:
    void SetUp() override {
        ClearSavedFileError();
        rt::detail::clearError();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(ErrorDescriptionTest, SavedErrorWinsOverTheCurrentOneUntilAWarningClearsIt) {
    rt::detail::setError(89, "MAIL.KVF");
    SaveFileError();  // the rollback inside leaves its own error state
    rt::detail::setError(30, "MAIL.KVF");
    EXPECT_EQ(DescribeLastError().text, "Record Changed By Another Station (89)");
    EXPECT_EQ(DescribeLastError().code, 89);
    ClearSavedFileError();
    EXPECT_EQ(DescribeLastError().text, "Entry Not Found (30)");
}

TEST_F(ErrorDescriptionTest, FileSystemErrorIsQuotedWithTheDriversTextAndCode) {
    rt::detail::setError(90, "MAIL.KVF", 10, "disk I/O error");
    ErrorDescription current = DescribeLastError();
    EXPECT_EQ(current.text, "disk I/O error (10)");
    EXPECT_EQ(current.code, 90);
    SaveFileError();
    rt::detail::clearError();
    EXPECT_EQ(GLO::SavedFileErrorCode, 10);
    EXPECT_EQ(DescribeLastError().text, "disk I/O error (10)");
}

TEST_F(ErrorDescriptionTest, DescriptionIsCutAt150Characters) {
    rt::detail::setError(90, "MAIL.KVF", 1, std::string(200, 'x'));
    EXPECT_EQ(DescribeLastError().text.size(), 150u);
}

TEST_F(ErrorDescriptionTest, SavedErrorBelongsToItsOwnThread) {
    rt::detail::setError(89, "MAIL.KVF");
    SaveFileError();
    long otherThreadSaw = -1;
    std::thread other([&] { otherThreadSaw = GLO::SavedErrorCode; });
    other.join();
    EXPECT_EQ(otherThreadSaw, 0);
    EXPECT_EQ(GLO::SavedErrorCode, 89);
}

TEST(ShowWarning, ShowsTheBoxAndAnswersTheButtonPressed) {
    testsupport::ProgramRun run;
    run.answers = {BTN::Yes, BTN::No};
    std::vector<int> results;
    run.run([&] {
        results.push_back(ShowWarningPlain(WARN::SaveChanges));
        results.push_back(ShowWarningPlain(WARN::ConfirmCancel));
        results.push_back(ShowWarningPlain(7));  // no such warning: nothing shown
    });
    EXPECT_THAT(results, testing::ElementsAre(BTN::Yes, BTN::No, 0));
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].caption, "Update Cancelled");
    EXPECT_EQ(run.boxes[0].buttons, BTN::Yes + BTN::No + BTN::Cancel);
    EXPECT_EQ(run.boxes[0].defaultButton, BTN::No);
    EXPECT_EQ(run.boxes[0].icon, ICON::Question);
    EXPECT_FALSE(run.halted);
}

TEST(ShowWarning, QuotesTheSavedErrorOnceThenTheCurrentOne) {
    testsupport::ProgramRun run;
    run.run([&] {
        rt::detail::setError(89, "MAIL.KVF");
        SaveFileError();
        rt::detail::setError(30, "MAIL.KVF");
        ShowWarningText(WARN::DeleteOperationError, "MAIL");
        ShowWarningText(WARN::DeleteOperationError, "MAIL");
    });
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_THAT(run.boxes[0].text, testing::HasSubstr("(Record Changed By Another Station (89))"));
    EXPECT_THAT(run.boxes[1].text, testing::HasSubstr("(Entry Not Found (30))"));
}

TEST(ShowWarning, InvalidKeyReturnsYesAndEndsTheProgramOnNo) {
    testsupport::ProgramRun yes;
    yes.answers = {BTN::Yes};
    int answer = 0;
    yes.run([&] { answer = ShowWarningText(WARN::InvalidKey, "MAIL.KVF"); });
    EXPECT_EQ(answer, BTN::Yes);
    EXPECT_FALSE(yes.halted);
    EXPECT_EQ(ProgramExitCode(), 0);

    testsupport::ProgramRun no;
    no.answers = {BTN::No};
    bool returned = false;
    no.run([&] {
        ShowWarningText(WARN::InvalidKey, "MAIL.KVF");
        returned = true;
    });
    EXPECT_FALSE(returned);
    EXPECT_TRUE(no.halted);
    EXPECT_EQ(no.haltMessage, "Invalid Key!");
    EXPECT_THAT(no.captions(), testing::ElementsAre("Invalid Key", "Halt"));
    EXPECT_NE(ProgramExitCode(), 0);
}

TEST(ShowWarning, FileWarningsEndTheProgramWithTheirMessageAndANonZeroExitCode) {
    const std::pair<int, const char*> ending[] = {{1, "Invalid File!"},
                                                  {3, "Error Rebuilding Key!"},
                                                  {4, "File Creation Error!"},
                                                  {5, "File Creation Error!"}};
    for (const auto& [number, message] : ending) {
        testsupport::ProgramRun run;
        bool returned = false;
        run.run([&] {
            ShowWarningText(number, "ZIP.KVF");
            returned = true;
        });
        EXPECT_FALSE(returned) << number;
        EXPECT_EQ(run.haltMessage, message);
        ASSERT_EQ(run.boxes.size(), 2u);
        EXPECT_EQ(run.boxes[1].caption, "Halt");
        EXPECT_EQ(run.boxes[1].text, message);
        EXPECT_NE(ProgramExitCode(), 0);
    }
}

}  // namespace
