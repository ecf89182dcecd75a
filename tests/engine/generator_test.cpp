#include "engine/generator.h"
#include "scripted_source.h"

#include <gtest/gtest.h>

#include <set>

using namespace numora::engine;

TEST(SlotPlan, RangeWidthAndSlotsByLotteryAndSkew)
{
    // skew, B, D, N, E, W, then the slot of each value B+1..E given as (first value, slot) runs.
    const struct { int skew, balls, drawn, slotCount, ext, width; std::vector<std::pair<int, int>> firsts; } cases[] = {
        {0, 49, 6, 6, 49, 0, {}},
        {10, 49, 6, 6, 54, 0, {{50, 6}}},
        {20, 49, 6, 6, 61, 2, {{50, 1}, {52, 2}, {54, 3}, {56, 4}, {58, 5}, {60, 6}}},
        {30, 49, 6, 6, 70, 3, {{50, 1}, {53, 2}, {56, 3}, {59, 4}, {62, 5}, {65, 6}}},
        {90, 49, 6, 6, 490, 73, {{50, 1}, {123, 2}, {196, 3}, {269, 4}, {342, 5}, {415, 6}}},
        {0, 47, 7, 7, 47, 0, {}},
        {10, 47, 7, 7, 52, 0, {{48, 7}}},
        {20, 47, 7, 7, 59, 1, {{48, 1}, {49, 2}, {50, 3}, {51, 4}, {52, 5}, {53, 6}, {54, 7}}},
        {30, 47, 7, 7, 67, 2, {{48, 1}, {50, 2}, {52, 3}, {54, 4}, {56, 5}, {58, 6}, {60, 7}}},
        {90, 47, 7, 7, 470, 60, {{48, 1}, {108, 2}, {168, 3}, {228, 4}, {288, 5}, {348, 6}, {408, 7}}},
        {90, 49, 8, 8, 490, 55, {{50, 1}, {105, 2}, {160, 3}, {215, 4}, {270, 5}, {325, 6}, {380, 7}, {435, 8}}},
    };
    for (const auto &c : cases) {
        const SlotPlan plan = planSlots(c.balls, c.drawn, skewFactor(c.skew));
        EXPECT_EQ(plan.extRange, c.ext) << c.skew << " " << c.balls;
        EXPECT_EQ(plan.slotWidth, c.width) << c.skew << " " << c.balls;
        // Walk every value above B: it falls in the slot of the last run starting at or before it.
        for (int v = c.balls + 1; v <= plan.extRange; ++v) {
            int expected = 0;
            for (const auto &[first, slot] : c.firsts) {
                if (v >= first)
                    expected = slot;
            }
            EXPECT_EQ(slotOf(v, c.balls, plan.slotWidth, c.slotCount), expected) << c.skew << " value " << v;
        }
        EXPECT_EQ(slotOf(c.balls, c.balls, plan.slotWidth, c.slotCount), 0);
    }
}

namespace {

class Generator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetState();
        setClock(&m_clock);
    }
    void TearDown() override
    {
        setUniformSource(nullptr);
        setClock(nullptr);
    }
    void enter(LottKind kind, std::initializer_list<int> numbers)
    {
        for (int n : numbers) {
            lucky(kind).numClicked = static_cast<std::uint8_t>(n);
            AddLuckyNum(kind);
        }
    }
    FixedClock m_clock{3723};
};

} // namespace

TEST_F(Generator, DrawsAboveTheRangeBecomeTheirSlotsLuckyNumber)
{
    enter(LottKind::Lott649, {3, 7, 11, 19, 23, 42});
    setSkewPercent(LottKind::Lott649, 20);
    ScriptedSource source(61);
    source.push({50, 52, 60, 1, 54, 56});   // 3, 7, 42, 1, 11, 19
    source.push({51, 53, 61, 58, 59, 57});  // 3, 7, 42, 23, then 23 again and 19: drawn anew
    source.push({2});
    setUniformSource(&source);
    selections(LottKind::Lott649).nmsel = 2;

    bool setUpCalled = false;
    ASSERT_EQ(GenSelections(LottKind::Lott649, [&] {
                  setUpCalled = true;
                  EXPECT_EQ(generatedFlag(LottKind::Lott649), 0);
              }),
              GenResult::Generated);
    EXPECT_TRUE(setUpCalled);
    const auto &sel = selections(LottKind::Lott649).sel;
    EXPECT_EQ(std::vector<int>(sel[1].begin() + 1, sel[1].begin() + 7), (std::vector<int>{3, 7, 42, 1, 11, 19}));
    EXPECT_EQ(std::vector<int>(sel[2].begin() + 1, sel[2].begin() + 7), (std::vector<int>{3, 7, 42, 23, 19, 2}));
    EXPECT_EQ(source.left(), 0u);
    EXPECT_EQ(source.seeds, std::vector<std::uint32_t>{3723});
    EXPECT_EQ(state().extRange, 61);
    EXPECT_EQ(state().slotWidth, 2);
    EXPECT_EQ(state().ballsInLott, 49);
    EXPECT_EQ(state().ballsDrawn, 6);
    EXPECT_EQ(generatedFlag(LottKind::Lott649), 1);
    EXPECT_EQ(sel[3][1], 0); // rows above nmsel untouched
}

TEST_F(Generator, SkewTenGivesOnlyTheSixthLuckyNumber)
{
    enter(LottKind::Lott649, {3, 7, 11, 19, 23, 42});
    setSkewPercent(LottKind::Lott649, 10);
    ScriptedSource source(54);
    source.push({50, 54, 1, 2, 3, 4, 5});
    setUniformSource(&source);
    selections(LottKind::Lott649).nmsel = 1;
    GenSelections(LottKind::Lott649);
    const auto &row = selections(LottKind::Lott649).sel[1];
    EXPECT_EQ(std::vector<int>(row.begin() + 1, row.begin() + 7), (std::vector<int>{42, 1, 2, 3, 4, 5}));
}

TEST_F(Generator, EmptyCustomSlotsAndOldRowsNeverGiveZeroOrRepeats)
{
    state().cst = {3, 49, 6, 0, 1};
    enter(LottKind::LottCst, {5, 6, 7});
    setSkewPercent(LottKind::LottCst, 20);
    auto &table = selections(LottKind::LottCst);
    for (auto &row : table.sel)
        row.fill(77); // numbers of an earlier custom lottery
    table.nmsel = 1;
    ScriptedSource source(61);
    source.push({56, 61, 50, 51, 1, 52, 54, 2, 3});  // 0, 0, 5, 5 again, 1, 6, 7, 2, 3
    setUniformSource(&source);
    GenSelections(LottKind::LottCst);
    const auto &row = table.sel[1];
    EXPECT_EQ(std::vector<int>(row.begin() + 1, row.begin() + 7), (std::vector<int>{5, 1, 6, 7, 2, 3}));
    EXPECT_EQ(row[7], 77); // positions above D keep what they held
}

TEST_F(Generator, CustomLotteryDrawingMoreThanItHoldsIsReported)
{
    state().cst = {6, 9, 10, 0, 1};
    selections(LottKind::LottCst).nmsel = 5;
    EXPECT_EQ(GenSelections(LottKind::LottCst), GenResult::PickExceedsBalls);
    state().cst = {6, 49, 0, 0, 1};
    EXPECT_EQ(GenSelections(LottKind::LottCst), GenResult::PickExceedsBalls);
    EXPECT_EQ(generatedFlag(LottKind::LottCst), 0);
}

TEST_F(Generator, RealSourceFillsEveryRowWithDistinctNumbersInRange)
{
    const struct { LottKind kind; int skew; } cases[] = {
        {LottKind::Lott649, 0}, {LottKind::Lott649, 90}, {LottKind::LottS7, 50}, {LottKind::LottCst, 90},
    };
    for (const auto &c : cases) {
        resetState();
        state().cst = {2, 9, 8, 0, 1};
        enter(LottKind::Lott649, {1, 2, 3, 4, 5, 6});
        enter(LottKind::LottS7, {40, 41, 42, 43, 44, 45, 46});
        enter(LottKind::LottCst, {8, 9});
        setSkewPercent(c.kind, c.skew);
        selections(c.kind).nmsel = 20;
        ASSERT_EQ(GenSelections(c.kind), GenResult::Generated);
        for (int s = 1; s <= 20; ++s) {
            std::set<int> seen;
            for (int j = 1; j <= drawnOf(c.kind); ++j) {
                const int n = selections(c.kind).sel[s][j];
                EXPECT_GE(n, 1);
                EXPECT_LE(n, ballsOf(c.kind));
                seen.insert(n);
            }
            EXPECT_EQ(static_cast<int>(seen.size()), drawnOf(c.kind));
        }
    }
}
