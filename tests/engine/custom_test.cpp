#include "engine/custom.h"
#include "engine/lottery.h"

#include <gtest/gtest.h>

using namespace numora::engine;

namespace {

class CustomSettingsRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetState();
        CstDefaults();
    }
};

} // namespace

TEST_F(CustomSettingsRules, DefaultsEmptyTheSetAndResetTheValues)
{
    LuckyState &s = lucky(LottKind::LottCst);
    s.count = 3;
    s.set = {0, 4, 5, 6};
    s.text = "4 5 6 ";
    s.entState = 2;
    s.numClicked = 6;
    state().cst = {3, 80, 8, 1, 2};
    CstDefaults();
    EXPECT_EQ(s.count, 0);
    EXPECT_EQ(s.text, "");
    EXPECT_EQ(s.entState, 0);
    EXPECT_EQ(s.set[1], 0);
    EXPECT_EQ(s.numClicked, 6);
    EXPECT_EQ(state().cst.setSize, 6);
    EXPECT_EQ(state().cst.ballsDrawn, 6);
    EXPECT_EQ(state().cst.ballsIn, 49);
    EXPECT_EQ(state().cst.selGenerated, 0);
    EXPECT_EQ(state().cst.session, 2);
}

TEST_F(CustomSettingsRules, Arrows)
{
    const struct { CstRow row; int from; Arrow arrow; int to; } cases[] = {
        {CstRow::SetSize, 1, Arrow::Down, 1},   {CstRow::SetSize, 6, Arrow::Down, 5},
        {CstRow::SetSize, 8, Arrow::Up, 8},     {CstRow::SetSize, 7, Arrow::Up, 8},
        {CstRow::BallsDrawn, 1, Arrow::Down, 1}, {CstRow::BallsDrawn, 8, Arrow::Up, 8},
        {CstRow::BallsIn, 9, Arrow::Down, 9},   {CstRow::BallsIn, 80, Arrow::Up, 80},
        {CstRow::BallsIn, 49, Arrow::Up, 50},   {CstRow::BallsIn, 90, Arrow::Up, 80},
    };
    for (const auto &c : cases) {
        setCstValue(c.row, c.from);
        EXPECT_EQ(cstArrow(c.row, c.arrow), c.to) << c.from;
        EXPECT_EQ(cstValue(c.row), c.to);
    }
}

TEST_F(CustomSettingsRules, TypedTextGivesAClampedHeldValue)
{
    const struct { CstRow row; const char *text; int held; } cases[] = {
        {CstRow::SetSize, "3", 3},  {CstRow::SetSize, "", 1},     {CstRow::SetSize, "abc", 1},
        {CstRow::SetSize, "12", 8}, {CstRow::SetSize, "-2", 1},   {CstRow::SetSize, "2.5", 2},
        {CstRow::SetSize, "0.4", 1}, {CstRow::SetSize, "8.4", 8}, {CstRow::SetSize, " 5", 5},
        {CstRow::BallsDrawn, "0.5", 1}, {CstRow::BallsDrawn, "7x", 7},
        {CstRow::BallsIn, "100", 80}, {CstRow::BallsIn, "8", 9}, {CstRow::BallsIn, "8.5", 9},
        {CstRow::BallsIn, "80.6", 80}, {CstRow::BallsIn, "", 9}, {CstRow::BallsIn, "64", 64},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cstTextChanged(c.row, c.text), c.held) << '"' << c.text << '"';
        EXPECT_EQ(cstValue(c.row), c.held);
    }
}

TEST_F(CustomSettingsRules, NextChecksInOrder)
{
    using K = CstStep::Kind;
    struct Step { K kind; std::string text; };
    const struct {
        const char *name;
        std::array<std::string, 3> texts;
        std::vector<Step> steps;
        std::array<std::string, 3> after;
        int s, d, b;
    } cases[] = {
        {"valid", {"3", "6", "49"}, {}, {"3", "6", "49"}, 3, 6, 49},
        {"too many balls", {"6", "6", "100"},
         {{K::Message, "Upper balls in lottery=80"}, {K::SetText, "80"}}, {"6", "6", "80"}, 6, 6, 80},
        {"too few balls", {"6", "6", "5"},
         {{K::Message, "Lower balls in lottery=9"}, {K::SetText, "9"}}, {"6", "6", "9"}, 6, 6, 9},
        {"empty set size", {"", "6", "49"},
         {{K::Message, "Lower lucky number set=1"}, {K::SetText, "1"}}, {"1", "6", "49"}, 1, 6, 49},
        {"set size 9", {"9", "8", "49"},
         {{K::Message, "Upper lucky number set=8"}, {K::SetText, "8"}}, {"8", "8", "49"}, 8, 8, 49},
        {"no balls drawn", {"1", "0", "49"},
         {{K::Message, "Lower balls drawn=1"}, {K::SetText, "1"}}, {"1", "1", "49"}, 1, 1, 49},
        {"twelve drawn: text before message", {"6", "12", "49"},
         {{K::SetText, "8"}, {K::Message, "Upper balls drawn=8"}}, {"6", "8", "49"}, 6, 8, 49},
        {"set larger than drawn", {"7", "6", "49"},
         {{K::Message, "Lucky number set 7 is greater than the number of balls 6"}, {K::SetText, "6"},
          {K::Message, "Lucky number set 6 = balls drawn 6"}},
         {"6", "6", "49"}, 6, 6, 49},
        {"fractions that round out of range are clamped", {"0.4", "0.5", "80"}, {}, {"0.4", "0.5", "80"}, 1, 1, 80},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CstDefaults();
        const CstNextOutcome out = cstNext(c.texts);
        ASSERT_EQ(out.steps.size(), c.steps.size());
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            EXPECT_EQ(out.steps[i].kind, c.steps[i].kind);
            EXPECT_EQ(out.steps[i].text, c.steps[i].text);
        }
        EXPECT_EQ(out.texts, c.after);
        EXPECT_EQ(out.setSize, c.s);
        EXPECT_EQ(out.ballsDrawn, c.d);
        EXPECT_EQ(out.ballsIn, c.b);
        EXPECT_EQ(state().cst.setSize, c.s);
        EXPECT_EQ(state().cst.ballsDrawn, c.d);
        EXPECT_EQ(state().cst.ballsIn, c.b);
    }
}
