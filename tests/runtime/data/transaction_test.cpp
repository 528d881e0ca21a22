#include "runtime/data/transaction.h"

#include <gtest/gtest.h>

#include "runtime/data/record_file.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

class TransactionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
        people.clear();
        people.buf().setText("PEO:NAME", "Ann");
        people.buf().setInteger("PEO:NUMBER", 1);
        ASSERT_EQ(people.add(), 0);
        ann = people.pointer();
    }
    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    std::int64_t ann = 0;
};

TEST_F(TransactionTest, CommitKeepsAndRollbackUndoes) {
    ASSERT_EQ(rt::logout(1, {&people}), 0);
    EXPECT_EQ(rt::logout(1, {&people}), rt::FileError::LogoutActive);
    EXPECT_EQ(rt::errorText(), "LOGOUT Already Active");
    people.buf().setText("PEO:CITY", "Rome");
    ASSERT_EQ(people.put(), 0);
    ASSERT_EQ(rt::rollback(), 0);
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_EQ(people.buf().text("PEO:CITY"), std::string(8, ' '));

    // After a rolled-back PUT the buffer's record is still the file's: no false 89.
    ASSERT_EQ(rt::logout(1, {&people}), 0);
    people.buf().setText("PEO:CITY", "Oslo");
    ASSERT_EQ(people.put(), 0);
    ASSERT_EQ(rt::rollback(), 0);
    people.buf().setText("PEO:CITY", "Oslo");
    EXPECT_EQ(people.put(), 0);

    ASSERT_EQ(rt::logout(1, {&people}), 0);
    people.clear();
    people.buf().setText("PEO:NAME", "Bob");
    people.buf().setInteger("PEO:NUMBER", 2);
    ASSERT_EQ(people.add(), 0);
    ASSERT_EQ(rt::commit(), 0);
    EXPECT_EQ(people.records(), 2);

    // An id handed out in a rolled-back transaction is not handed out again.
    ASSERT_EQ(rt::logout(1, {&people}), 0);
    people.buf().setInteger("PEO:NUMBER", 3);
    ASSERT_EQ(people.add(), 0);
    std::int64_t rolledBack = people.pointer();
    ASSERT_EQ(rt::rollback(), 0);
    people.buf().setInteger("PEO:NUMBER", 4);
    ASSERT_EQ(people.add(), 0);
    EXPECT_GT(people.pointer(), rolledBack);
    EXPECT_EQ(rt::rollback(), 0);
    EXPECT_EQ(rt::commit(), 0);
}

TEST_F(TransactionTest, LogoutNeedsOpenFilesAndStreamBatchesWrites) {
    rt::RecordFile closed{datatest::notesDecl()};
    EXPECT_EQ(rt::logout(1, {&people, &closed}), rt::FileError::FileNotOpen);
    EXPECT_FALSE(rt::logoutActive());

    ASSERT_EQ(people.lock(1), 0);
    ASSERT_EQ(people.stream(), 0);
    for (long n = 10; n < 110; ++n) {
        people.clear();
        people.buf().setInteger("PEO:NUMBER", n);
        ASSERT_EQ(people.add(), 0);
    }
    ASSERT_EQ(people.flush(), 0);
    ASSERT_EQ(people.unlock(), 0);
    EXPECT_EQ(people.records(), 101);
}

}  // namespace
