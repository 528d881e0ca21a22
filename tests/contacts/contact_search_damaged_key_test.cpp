// The contact search over a file whose last-name key is damaged: the read error names
// error 46 and the key rebuild is offered, whichever way the matches were to be used. Yes
// rebuilds the keys and the next search finds every match; No ends the program and leaves
// the file and the tags as they were.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"
#include "tests/frame/program_run.h"
#include "tests/support/damaged_key.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kSmiths = 40;
constexpr const char* kLastNameIndex = "rec_k6";  // MAI:KEYLASTNAME, the seventh key

// 200 contacts, kSmiths of them named Smith and the rest Jones, in a file whose last-name
// key is damaged.
void makeDamagedContacts() {
    RegisterContactProcedures();
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    for (int i = 0; i < 200; ++i) {
        MAIL.clear();
        MAI::FIRSTNAME.setText("First" + std::to_string(i));
        MAI::LASTNAME.setText(i % 5 == 0 ? "Smith" : "Jones");
        MAIL.add();
    }
    MAIL.close();
    testsupport::damageKeyPages("MAIL.KVF", kLastNameIndex);
}

// The program: the contact search on its own; its answer is kept.
long searchResponse = 0;
void SearchContacts() {
    GLO::Request = REQ::Search;
    SearchMAIL();
    searchResponse = GLO::Response;
}

// The search for last names beginning with "Sm" (a start in the last-name key), up to the
// question of what to do with the matches.
void searchSmiths(rt::Driver& d) {
    d.waitWindow("Enter Search Criteria");
    d.type("MAI:LASTNAME", "Sm");
    d.press("&Search Type");
    d.waitWindow("Match Type for STRING Field");
    d.press("&Begins with this");
    d.press("OK");
    d.waitWindow("Enter Search Criteria");
    d.press("&Begin Search");
    d.waitWindow("Begin Search");
}

// Counted afresh from the file: the test thread's own count cache knows nothing of the
// program's tag writes.
long taggedContacts() {
    GLO::TagCountTable = 0;
    OpenTagFile_();
    const long count = CountTags_(TAG::Contacts);
    CloseTagFile_();
    return count;
}

// What the matches were to be used for, as chosen in "Begin Search".
const char* const kUses[] = {"&Edit", "&Select"};

TEST(ContactSearchDamagedKey, YesRebuildsTheKeysAndTheNextSearchFindsEveryMatch) {
    for (const char* use : kUses) {
        SCOPED_TRACE(use);
        testsupport::TempDir dir{/*enter=*/true};
        makeDamagedContacts();

        std::vector<std::string> boxes;
        searchResponse = 0;
        rt::Driver driver;
        driver.start(SearchContacts);
        searchSmiths(driver);
        driver.press(use);
        for (int i = 0; i < 3; ++i) {
            auto dialogs = driver.backend().pendingDialogs();
            if (dialogs.empty()) break;
            boxes.push_back(dialogs.front()->caption + ": " + dialogs.front()->text);
            driver.answer(dialogs.front()->caption == "Invalid Key" ? "Yes" : "OK");
        }
        ASSERT_TRUE(driver.finish());
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0],
                  "Record Retrieval Error: Error: (Key File Must Be Rebuilt (46)) attempting to "
                  "access a record from the MAIL file.  Returning to previous window.");
        EXPECT_EQ(boxes[1],
                  "Invalid Key: MAIL.KVF key file is invalid.  Do you want to rebuild the key?");
        EXPECT_EQ(searchResponse, RESP::Cancelled);
        EXPECT_EQ(taggedContacts(), 0);  // a search stopped by an error tags nothing

        // The same search again: every Smith is found, in the last-name key.
        rt::Driver again;
        again.start(SearchContacts);
        searchSmiths(again);
        again.press("&Select");
        ASSERT_TRUE(again.finish());
        EXPECT_TRUE(again.backend().pendingDialogs().empty());
        EXPECT_EQ(searchResponse, -kSmiths);
        EXPECT_EQ(taggedContacts(), kSmiths);
    }
}

TEST(ContactSearchDamagedKey, NoEndsTheProgramAndChangesNothing) {
    for (const char* use : kUses) {
        SCOPED_TRACE(use);
        testsupport::TempDir dir{/*enter=*/true};
        makeDamagedContacts();
        const std::string before = testsupport::readBytes("MAIL.KVF");

        testsupport::ProgramRun run;
        run.answers = {0, BTN::No};  // OK on the retrieval error, No on the rebuild
        bool searching = false;
        run.run(SearchContacts, [&](rt::Driver& d) {
            if (searching) return false;
            searching = true;
            searchSmiths(d);
            d.press(use);
            return true;
        });
        EXPECT_THAT(run.captions(),
                    testing::ElementsAre("Record Retrieval Error", "Invalid Key", "Halt"));
        EXPECT_TRUE(run.halted);
        EXPECT_EQ(run.haltMessage, "Invalid Key!");
        EXPECT_EQ(testsupport::readBytes("MAIL.KVF"), before);
        EXPECT_EQ(taggedContacts(), 0);
    }
}

}  // namespace
