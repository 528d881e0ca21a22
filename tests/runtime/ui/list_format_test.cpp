#include "runtime/ui/list_format.h"
#include <gtest/gtest.h>
TEST(ListFormat, Placeholder) {
    EXPECT_TRUE(rt::parseListFormat("10L").has_value());
}
