#include <gtest/gtest.h>
int dummy_i = 0;
