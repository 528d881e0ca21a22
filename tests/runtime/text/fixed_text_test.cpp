#include "runtime/text/fixed_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FixedText, AssignmentCutsOrPads) {
    rt::FixedString<5> s("abcdefg");
    EXPECT_EQ(s.view(), "abcde");
    s = "ab";
    EXPECT_EQ(s.view(), "ab   ");
    EXPECT_EQ(s.clipped(), "ab");
}

}  // namespace
