#include <gtest/gtest.h>
int dummy_resources = 0;
