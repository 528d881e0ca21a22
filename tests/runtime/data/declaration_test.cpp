#include "runtime/data/declaration.h"

#include <gtest/gtest.h>

TEST(Declaration, Placeholder) { EXPECT_TRUE(true); }
