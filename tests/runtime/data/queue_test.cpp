#include "runtime/data/queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/data/errors.h"

namespace {

rt::Queue makeQueue() {
    return rt::Queue(
        rt::FileDecl("Q", "Q:").STRING("Q:NAME", 6).DECIMAL("Q:AMOUNT", 5, 2).LONG("Q:NUMBER"));
}

std::vector<std::string> names(rt::Queue& q) {
    std::vector<std::string> out;
    for (long i = 1; i <= q.records(); ++i) {
        q.get(i);
        out.push_back(q.buf().text("Q:NAME"));
    }
    return out;
}

void addRow(rt::Queue& q, const char* name, const char* amount, long number) {
    q.buf().setText("Q:NAME", name);
    q.buf().setNumber("Q:AMOUNT", rt::Decimal(amount));
    q.buf().setInteger("Q:NUMBER", number);
    ASSERT_EQ(q.add(), 0);
}

TEST(Queue, AddGetPutDeleteByPosition) {
    rt::Queue q = makeQueue();
    addRow(q, "b", "1", 1);
    addRow(q, "c", "2", 2);
    q.buf().setText("Q:NAME", "a");
    ASSERT_EQ(q.add(1), 0);
    EXPECT_EQ(q.records(), 3);
    EXPECT_EQ(names(q), (std::vector<std::string>{"a     ", "b     ", "c     "}));
    ASSERT_EQ(q.get(2), 0);
    q.buf().setText("Q:NAME", "B");
    ASSERT_EQ(q.put(), 0);
    ASSERT_EQ(q.get(1), 0);
    ASSERT_EQ(q.deleteRow(), 0);
    EXPECT_EQ(q.deleteRow(), rt::FileError::RecordNotAvailable);
    EXPECT_EQ(names(q), (std::vector<std::string>{"B     ", "c     "}));
    EXPECT_EQ(q.get(3), rt::FileError::EntryNotFound);
    EXPECT_EQ(q.pointer(), 0);
    q.free();
    EXPECT_EQ(q.records(), 0);
}

TEST(Queue, SortsByFieldsKeepingEqualRowsInOrder) {
    rt::Queue q = makeQueue();
    addRow(q, "x", "2.50", 1);
    addRow(q, "y", "-1", 2);
    addRow(q, "z", "2.50", 3);
    addRow(q, "w", "10", 4);
    q.sort({"-Q:AMOUNT"});
    EXPECT_EQ(names(q), (std::vector<std::string>{"w     ", "x     ", "z     ", "y     "}));
    q.sort({"Q:AMOUNT", "-Q:NUMBER"});
    EXPECT_EQ(names(q), (std::vector<std::string>{"y     ", "z     ", "x     ", "w     "}));
}

}  // namespace
