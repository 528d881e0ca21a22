#include "runtime/data/declaration.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sample_files.h"

namespace {

TEST(Declaration, LaysOutFieldsInOrderWithTheirWidths) {
    rt::FileDecl decl = datatest::peopleDecl();
    EXPECT_EQ(decl.diskName(), "PEOPLE.KVF");
    // STRING(10) + STRING(8) + LONG + DECIMAL(7,2) in 4 packed bytes + SHORT
    EXPECT_EQ(decl.recordSize(), 10 + 8 + 4 + 4 + 2);
    ASSERT_EQ(decl.fields().size(), 5u);
    EXPECT_EQ(decl.fields()[3].offset, 22);
    EXPECT_EQ(decl.fieldIndex("peo:amount"), 3);
    EXPECT_EQ(decl.keyIndex("PEO:KeyMixed"), 2);
    EXPECT_EQ(decl.memoIndex("PEO:Notes"), 0);
    EXPECT_EQ(decl.blobIndex("PEO:PICTURE"), 0);
    EXPECT_EQ(decl.fieldIndex("PEO:NOTHING"), -1);
    const rt::KeyDecl& mixed = decl.keys()[2];
    EXPECT_FALSE(mixed.unique());
    EXPECT_FALSE(mixed.components[0].descending);
    EXPECT_TRUE(mixed.components[1].descending);
    EXPECT_TRUE(decl.keys()[1].unique());
}

TEST(Declaration, SignaturesSeparateLayoutFromKeys) {
    EXPECT_EQ(datatest::peopleDecl().layoutSignature(),
              datatest::peopleCaseDecl().layoutSignature());
    EXPECT_NE(datatest::peopleDecl().keySignature(), datatest::peopleCaseDecl().keySignature());
    EXPECT_NE(datatest::peopleDecl().layoutSignature(),
              datatest::peopleWiderDecl().layoutSignature());
}

TEST(Declaration, MistakesAreRefused) {
    EXPECT_THROW(rt::FileDecl("X", "X:").STRING("X:A", 0), std::invalid_argument);
    EXPECT_THROW(rt::FileDecl("X", "X:").STRING("X:A", 2).LONG("x:a"), std::invalid_argument);
    EXPECT_THROW(rt::FileDecl("X", "X:").STRING("X:A", 2).KEY("X:K", rt::DUP, {"X:B"}),
                 std::invalid_argument);
    EXPECT_THROW(rt::FileDecl("X", "X:").DECIMAL("X:D", 32, 0), std::invalid_argument);
    EXPECT_THROW(rt::FileDecl("X", "X:").STRING("X:A", 300).KEY("X:K", rt::DUP, {"X:A"}),
                 std::invalid_argument);
}

}  // namespace
