#include "engine/numtext.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace numora::engine;

TEST(NumberText, LeadingBlankForm)
{
    const struct { double value; const char *text; } cases[] = {
        {0, " 0"},
        {20, " 20"},
        {-3, "-3"},
        {0.125, " .125"},
        {-0.5, "-.5"},
        {1.0 / 3, " .333333333333333"},
        {0.12244898, " .12244898"},
        {13983816.000000002, " 13983816"},
        {2.5e-5, " 2.5E-05"},
        {62891499.99999999, " 62891500"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(leadingBlank(c.value), c.text) << c.value;
    EXPECT_EQ(leadingBlank(7), " 7");
    EXPECT_EQ(leadingBlank(-12), "-12");
    EXPECT_EQ(plain(49), "49");
}

TEST(NumberText, RoundsHalfToEven)
{
    const struct { double value; long long rounded; } cases[] = {
        {0.4, 0}, {0.5, 0}, {1.5, 2}, {2.5, 2}, {8.5, 8}, {-0.5, 0}, {-1.5, -2}, {2.6, 3}, {61.0, 61},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_DOUBLE_EQ(roundHalfEven(0.877551020408, 8), 0.87755102);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.123456785, 8), 0.12345678); // a decimal half goes to even
    EXPECT_DOUBLE_EQ(roundHalfEven(0.123456775, 8), 0.12345678);
}

TEST(NumberText, ReadsTheNumberAtTheStart)
{
    const struct { const char *text; double value; } cases[] = {
        {"", 0}, {"abc", 0}, {"12", 12}, {" 12", 12}, {"  7.5x", 7.5}, {"12abc", 12},
        {"-3", -3}, {"+4", 4}, {".5", 0.5}, {"0.4", 0.4}, {"1e2", 100}, {"1e", 1},
        {"-", 0}, {".", 0}, {"1e-999", 0}, {"6 7", 6},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
}
