#include <gtest/gtest.h>
TEST(Rtf, Placeholder) {}
