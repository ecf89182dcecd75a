#include <gtest/gtest.h>
TEST(Engine, Builds) { SUCCEED(); }
