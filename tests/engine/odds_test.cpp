#include "engine/numtext.h"
#include "engine/odds.h"

#include <gtest/gtest.h>

using namespace numora::engine;
using Lines = std::vector<std::vector<std::string>>;

TEST(Odds, SixFromFortyNineLineByLine)
{
    std::uint8_t lang = 1;
    const OddsReport r = ShowOdds(6, 49, lang);
    EXPECT_EQ(r.caption, "The odds of the lottery  6/ 49");
    const Lines expected = {
        {},
        {"    Probability ", "Ratio", "Ball drawn", "Ball not drawn"},
        {},
        {"    1", "6/49", " .1224", " .8775"},
        {"    2", "5/48", " .1041", " .8958"},
        {"    3", "4/47", " .0851", " .9148"},
        {"    4", "3/46", " .0652", " .9347"},
        {"    5", "2/45", " .0444", " .9555"},
        {"    6", "1/44", " .0227", " .9772"},
        {},
        {"  p=( 6/ 49)x( 5/ 48)x( 4/ 47)x( 3/ 46)x( 2/ 45)x( 1/ 44)"},
        {},
        {"  The odds of winning the lottery  6/ 49 are 1 in  13983816 "},
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(Odds, OtherLotteries)
{
    std::uint8_t lang = 1;
    const OddsReport s7 = ShowOdds(7, 47, lang);
    EXPECT_EQ(s7.lines[3], (std::vector<std::string>{"    1", "7/47", " .1489", " .8510"}));
    EXPECT_EQ(s7.lines[9], (std::vector<std::string>{"    7", "1/41", " .0243", " .9756"}));
    EXPECT_EQ(s7.lines.back()[0], "  The odds of winning the lottery  7/ 47 are 1 in  62891499 ");

    const OddsReport one = ShowOdds(1, 9, lang);
    EXPECT_EQ(one.lines.size(), 8u);
    EXPECT_EQ(one.lines[3], (std::vector<std::string>{"    1", "1/9", " .1111", " .8888"}));
    EXPECT_EQ(one.lines[5][0], "  p=( 1/ 9)");
    EXPECT_EQ(one.lines.back()[0], "  The odds of winning the lottery  1/ 9 are 1 in  9 ");

    const OddsReport half = ShowOdds(5, 10, lang);
    EXPECT_EQ(half.lines[3], (std::vector<std::string>{"    1", "5/10", " .5", " .5"}));
    EXPECT_EQ(half.lines.back()[0], "  The odds of winning the lottery  5/ 10 are 1 in  252 ");
}

TEST(Odds, SentenceByLanguage)
{
    const struct { std::uint8_t lang; std::uint8_t after; const char *sentence; } cases[] = {
        {0, 1, "  The odds of winning the lottery  6/ 49 are 1 in  13983816 "},
        {1, 1, "  The odds of winning the lottery  6/ 49 are 1 in  13983816 "},
        {2, 2, "La odds du gain la loterie  6/ 49 sont 1 dans  13983816 "},
        {3, 3, "Die Chancen von Sieger der Lotterie  6/ 49 bist 1 in  13983816 "},
        {4, 4, "Gli odds di stravince gli lotteria  6/ 49 are 1 in  13983816 "},
        {5, 5, "El odds de gananciosa el lotería  6/ 49 estás 1 en  13983816 "},
    };
    for (const auto &c : cases) {
        std::uint8_t lang = c.lang;
        const OddsReport r = ShowOdds(6, 49, lang);
        EXPECT_EQ(lang, c.after);
        EXPECT_EQ(r.lines.size(), 13u);
        EXPECT_EQ(r.lines.back()[0], c.sentence);
    }
    std::uint8_t outside = 9;
    EXPECT_EQ(ShowOdds(6, 49, outside).lines.size(), 12u);
}

TEST(Odds, ShowsTheExactNumberOfTicketsForEveryCustomLottery)
{
    std::uint8_t lang = 1;
    for (int b = 9; b <= 80; ++b) {
        for (int d = 1; d <= 8; ++d) {
            unsigned long long tickets = 1;
            for (int k = 1; k <= d; ++k)
                tickets = tickets * (b - d + k) / k;
            const std::string expected = "  The odds of winning the lottery " + leadingBlank(d) + "/"
                + leadingBlank(b) + " are 1 in  " + std::to_string(tickets) + " ";
            EXPECT_EQ(ShowOdds(d, b, lang).lines.back()[0], expected);
        }
    }
}
