// Clearing the up-line marks: only the marked contacts are read and written, so a contact
// without a mark keeps its version (another station's copy of it can still be written); an
// empty file clears quietly.

#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;
using genealogytest::storedMembers;

// Runs ClearUpline to its end; answers the texts of the messages it showed.
std::vector<std::string> clearUpline(long& response) {
    std::vector<std::string> messages;
    rt::Driver driver;
    driver.start([&response] {
        ClearUpline();
        response = GLO::Response;
    });
    for (int round = 0; round < 1000 && !driver.ended(); ++round) {
        driver.settle();
        const auto dialogs = driver.backend().pendingDialogs();
        if (!dialogs.empty()) {
            messages.push_back(dialogs.front()->text);
            driver.answer("OK");
            continue;
        }
        if (!driver.backend().fireNextTimer()) break;
    }
    EXPECT_TRUE(driver.finish());
    return messages;
}

TEST(UplineClearing, OnlyTheMarkedContactsAreWrittenAndTheirMarksBlanked) {
    testsupport::TempDir dir{/*enter=*/true};
    std::vector<Member> members = {{"A", "A", ""}, {"B", "B", ""}, {"C", "C", ""}, {"D", "D", ""}};
    members[1].mark = "X";
    members[3].mark = "X";
    const auto pointers = makeMembers(members);

    // Other stations read an unmarked and a marked contact before the clearing.
    rt::RecordFile keepsUnmarked{records::mailDeclaration()};
    rt::RecordFile keepsMarked{records::mailDeclaration()};
    ASSERT_EQ(keepsUnmarked.open(), 0);
    ASSERT_EQ(keepsUnmarked.getPointer(pointers[0]), 0);
    ASSERT_EQ(keepsMarked.open(), 0);
    ASSERT_EQ(keepsMarked.getPointer(pointers[1]), 0);

    long response = 0;
    EXPECT_TRUE(clearUpline(response).empty());
    EXPECT_EQ(response, RESP::Completed);
    for (const auto& m : storedMembers())
        EXPECT_EQ(m.mark, "") << m.name;

    // The unmarked contact was not rewritten: the other station's copy is still current.
    keepsUnmarked.buf().setText("MAI:CITY", "Elsewhere");
    EXPECT_EQ(keepsUnmarked.put(), 0);
    // The marked one was: the old copy of it is refused.
    keepsMarked.buf().setText("MAI:CITY", "Elsewhere");
    EXPECT_EQ(keepsMarked.put(), rt::FileError::RecordChanged);
    keepsUnmarked.close();
    keepsMarked.close();
}

TEST(UplineClearing, AnEmptyFileClearsWithoutAnyMessage) {
    testsupport::TempDir dir{/*enter=*/true};
    makeMembers({});
    long response = 0;
    EXPECT_TRUE(clearUpline(response).empty());
    EXPECT_TRUE(storedMembers().empty());
}

}  // namespace
