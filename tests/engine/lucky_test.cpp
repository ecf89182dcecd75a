#include "engine/lottery.h"

#include <gtest/gtest.h>

using namespace numora::engine;

namespace {

class LuckySet : public ::testing::Test
{
protected:
    void SetUp() override { resetState(); }
    AddResult press(LottKind kind, int n)
    {
        lucky(kind).numClicked = static_cast<std::uint8_t>(n);
        return AddLuckyNum(kind);
    }
};

} // namespace

TEST_F(LuckySet, AddsInOrderAndRefusesDuplicates)
{
    EXPECT_EQ(press(LottKind::Lott649, 5), AddResult::Added);
    EXPECT_EQ(press(LottKind::Lott649, 12), AddResult::Added);
    EXPECT_EQ(press(LottKind::Lott649, 33), AddResult::Added);
    const LuckyState &s = lucky(LottKind::Lott649);
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.text, "5 12 33 ");

    EXPECT_EQ(press(LottKind::Lott649, 12), AddResult::Duplicate);
    EXPECT_EQ(s.numDup, 1);
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.numClicked, 12);
}

TEST_F(LuckySet, FullSetIgnoresNewNumbersButReportsDuplicates)
{
    for (int n : {1, 2, 3, 4, 5, 6})
        press(LottKind::Lott649, n);
    EXPECT_EQ(press(LottKind::Lott649, 7), AddResult::Refused);
    EXPECT_EQ(press(LottKind::Lott649, 3), AddResult::Duplicate);
    EXPECT_EQ(lucky(LottKind::Lott649).count, 6);
    EXPECT_EQ(lucky(LottKind::Lott649).text, "1 2 3 4 5 6 ");
}

TEST_F(LuckySet, EachLotteryStopsAtItsOwnSize)
{
    // The shared current pair may name another lottery; the limits stay each lottery's own.
    state().ballsDrawn = 6;
    for (int n = 1; n <= 8; ++n)
        press(LottKind::LottS7, n);
    EXPECT_EQ(lucky(LottKind::LottS7).count, 7);

    state().ballsDrawn = 7;
    for (int n = 1; n <= 8; ++n)
        press(LottKind::Lott649, n);
    EXPECT_EQ(lucky(LottKind::Lott649).count, 6);

    state().cst.setSize = 3;
    for (int n = 1; n <= 8; ++n)
        press(LottKind::LottCst, n);
    EXPECT_EQ(lucky(LottKind::LottCst).count, 3);
}

TEST_F(LuckySet, UndoRemovesTheLastNumber)
{
    UndoLuckyNum(LottKind::Lott649);
    EXPECT_EQ(lucky(LottKind::Lott649).count, 0);
    EXPECT_EQ(lucky(LottKind::Lott649).text, "");

    for (int n : {5, 12, 33})
        press(LottKind::Lott649, n);
    UndoLuckyNum(LottKind::Lott649);
    const LuckyState &s = lucky(LottKind::Lott649);
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.set[3], 0);
    EXPECT_EQ(s.text, "5 12 ");
    EXPECT_EQ(s.numClicked, 0);
    EXPECT_EQ(AddLuckyNum(LottKind::Lott649), AddResult::NoNumber);
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(press(LottKind::Lott649, 33), AddResult::Added);
}

TEST_F(LuckySet, HandedOverLotteryRefusesWhileOthersAccept)
{
    lucky(LottKind::LottS7).entState = 2;
    EXPECT_EQ(press(LottKind::LottS7, 9), AddResult::Refused);
    EXPECT_EQ(press(LottKind::Lott649, 9), AddResult::Added);
    state().cst.setSize = 6;
    EXPECT_EQ(press(LottKind::LottCst, 9), AddResult::Added);
}

TEST_F(LuckySet, SkewPercentAndFactor)
{
    const struct { int percent; double factor; const char *text; } cases[] = {
        {0, 0.0, " 0"}, {20, 0.25, " 20"}, {30, 3.0 / 7, " 30"}, {50, 1.0, " 50"}, {90, 9.0, " 90"},
    };
    for (const auto &c : cases) {
        setSkewPercent(LottKind::LottS7, c.percent);
        EXPECT_DOUBLE_EQ(lucky(LottKind::LottS7).skewFac, c.factor);
        EXPECT_EQ(lucky(LottKind::LottS7).skewPct, c.text);
        EXPECT_EQ(skewPercent(LottKind::LottS7), c.percent);
    }
}
