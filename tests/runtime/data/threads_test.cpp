#include <gtest/gtest.h>

#include <thread>

#include "runtime/data/record_file.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Threads, EveryThreadHasItsOwnBufferOpenStateAndPosition) {
    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    ASSERT_EQ(people.create(), 0);
    ASSERT_EQ(people.open(), 0);
    for (const char* name : {"Ann", "Bob", "Cid"}) {
        people.clear();
        people.buf().setText("PEO:NAME", name);
        people.buf().setInteger("PEO:NUMBER", name[0]);
        ASSERT_EQ(people.add(), 0);
    }
    people.set(people.key("PEO:KEYNAME"));
    ASSERT_EQ(people.next(), 0);  // this thread stands on Ann

    std::string otherFirst, otherBuffer;
    bool otherStartedClosed = false;
    int otherOpen = -1, otherRead = -1;
    std::thread other([&] {
        otherStartedClosed = !people.isOpen();
        otherBuffer = people.buf().text("PEO:NAME");  // a fresh, cleared buffer
        otherOpen = people.open();
        people.set(people.key("PEO:KEYNAME"));
        people.previous();
        otherRead = people.previous();
        otherFirst = people.buf().text("PEO:NAME");
        people.close();
    });
    other.join();

    EXPECT_TRUE(otherStartedClosed);
    EXPECT_EQ(otherBuffer, std::string(10, ' '));
    EXPECT_EQ(otherOpen, 0);
    EXPECT_EQ(otherRead, 0);
    EXPECT_EQ(otherFirst, "Bob       ");
    EXPECT_TRUE(people.isOpen());
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Ann       ");
    ASSERT_EQ(people.next(), 0);
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Bob       ");
}

}  // namespace
