#include "engine/generator.h"
#include "engine/skewstats.h"

#include <gtest/gtest.h>

using namespace numora::engine;

TEST(LuckyShare, ExactExpectationsOnSmallCases)
{
    const std::array<std::uint8_t, kMaxSlots + 1> six{0, 1, 2, 3, 4, 5, 6};
    // No skew: six of 49 numbers are lucky, so a ticket holds 6 x 6/49 of them on average.
    const LuckyShare plainDraw = expectedLuckyShare(49, 6, 6, 0.0, six);
    EXPECT_NEAR(plainDraw.expectedCount, 36.0 / 49, 1e-12);
    EXPECT_NEAR(plainDraw.share, 6.0 / 49, 1e-12);

    // One ball drawn: the chance is the lucky numbers' share of all values 1..E.
    const std::array<std::uint8_t, kMaxSlots + 1> one{0, 3};
    const LuckyShare single = expectedLuckyShare(9, 1, 8, skewFactor(50), one);
    EXPECT_NEAR(single.share, 10.0 / 18, 1e-12); // E = 18, W = 9: 3 itself plus slot 1's nine values

    // Lucky array entries left at 0 are redrawn, not counted.
    const std::array<std::uint8_t, kMaxSlots + 1> none{};
    EXPECT_NEAR(expectedLuckyShare(49, 6, 8, 9.0, none).expectedCount, 0.0, 1e-12);
}

TEST(LuckyShare, AgreesWithTheGeneratorOverManyTickets)
{
    const std::array<std::uint8_t, kMaxSlots + 1> lucky{0, 3, 7, 11, 19, 23, 42};
    const LuckyShare expected = expectedLuckyShare(49, 6, 6, skewFactor(30), lucky);
    StdUniformSource source;
    source.seed(7);
    SelectionTable table;
    const DrawSpec spec{49, 6, 6, skewFactor(30), lucky};
    long luckyDrawn = 0;
    const int tables = 2000;
    for (int t = 0; t < tables; ++t) {
        drawSelections(spec, 20, table, source);
        for (int s = 1; s <= 20; ++s) {
            for (int j = 1; j <= 6; ++j)
                luckyDrawn += std::count(lucky.begin() + 1, lucky.end(), table.sel[s][j]);
        }
    }
    const double tickets = tables * 20.0;
    const double se = std::sqrt(expected.countVariance / tickets);
    EXPECT_NEAR(luckyDrawn / tickets, expected.expectedCount, 4 * se);
}
