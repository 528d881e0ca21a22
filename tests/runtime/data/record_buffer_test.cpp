#include "runtime/data/record_buffer.h"

#include <gtest/gtest.h>

#include "sample_files.h"

namespace {

class RecordBufferTest : public ::testing::Test {
  protected:
    rt::FileDecl decl = datatest::peopleDecl();
    rt::RecordBuffer buf{decl};
};

TEST_F(RecordBufferTest, TextIsCutOrPaddedToItsWidth) {
    buf.setText("PEO:NAME", "Bartholomew-Smith");
    EXPECT_EQ(buf.text("PEO:NAME"), "Bartholome");
    buf.setText("peo:name", "Al");
    EXPECT_EQ(buf.text("PEO:NAME"), "Al        ");
    EXPECT_EQ(buf.value("PEO:NAME").text(), "Al        ");
}

TEST_F(RecordBufferTest, NumbersKeepTheirTypeAndRefuseWhatDoesNotFit) {
    EXPECT_TRUE(buf.setNumber("PEO:AMOUNT", rt::Decimal("12345.675")));
    EXPECT_EQ(buf.number("PEO:AMOUNT").toString(), "12345.68");  // half away from zero
    EXPECT_FALSE(buf.setNumber("PEO:AMOUNT", rt::Decimal("123456")));
    EXPECT_EQ(buf.number("PEO:AMOUNT").toString(), "12345.68");  // unchanged

    EXPECT_TRUE(buf.setInteger("PEO:LEVEL", -32768));
    EXPECT_FALSE(buf.setInteger("PEO:LEVEL", 32768));
    EXPECT_EQ(buf.integer("PEO:LEVEL"), -32768);
    EXPECT_TRUE(buf.setText("PEO:NUMBER", "  42.6xyz"));
    EXPECT_EQ(buf.integer("PEO:NUMBER"), 43);
    EXPECT_TRUE(buf.value("PEO:NUMBER").isNumber());
    EXPECT_TRUE(buf.setValue("PEO:CITY", rt::Value(rt::Decimal("7.50"))));
    EXPECT_EQ(buf.text("PEO:CITY"), "7.5     ");
}

TEST_F(RecordBufferTest, ClearBlanksTextZeroesNumbersAndEmptiesMemosAndBlobs) {
    buf.setText("PEO:NAME", "Ann");
    buf.setInteger("PEO:NUMBER", 5);
    buf.setNumber("PEO:AMOUNT", rt::Decimal("-3.10"));
    buf.setMemo(buf.memo("PEO:NOTES"), std::string(80, 'x'));
    EXPECT_EQ(buf.memoText(0).size(), 50u);  // cut at the memo's size
    buf.setBlob(buf.blob("PEO:PICTURE"), std::string("\x89PNG\0", 5));
    buf.clear();
    EXPECT_EQ(buf.text("PEO:NAME"), std::string(10, ' '));
    EXPECT_EQ(buf.integer("PEO:NUMBER"), 0);
    EXPECT_TRUE(buf.number("PEO:AMOUNT").isZero());
    EXPECT_TRUE(buf.memoText(0).empty());
    EXPECT_TRUE(buf.blobData(0).empty());
}

TEST_F(RecordBufferTest, UnknownNamesThrow) {
    EXPECT_THROW(buf.text("PEO:NOPE"), std::out_of_range);
    EXPECT_THROW(buf.memo("PEO:NAME"), std::out_of_range);
}

}  // namespace
