#include <gtest/gtest.h>
int dummy_w = 0;
