#include "engine/odds.h"

#include "engine/numtext.h"

namespace numora::engine {

namespace {

constexpr OddsSentence kSentences[] = {
    {"  The odds of winning the lottery ", " are 1 in "},
    {"La odds du gain la loterie ", " sont 1 dans "},
    {"Die Chancen von Sieger der Lotterie ", " bist 1 in "},
    {"Gli odds di stravince gli lotteria ", " are 1 in "},
    {"El odds de gananciosa el lotería ", " estás 1 en "},
};

} // namespace

const OddsSentence *oddsSentence(int langCode)
{
    return langCode >= 1 && langCode <= 5 ? &kSentences[langCode - 1] : nullptr;
}

OddsReport ShowOdds(int drawn, int balls, std::uint8_t &langCode)
{
    OddsReport report;
    report.caption = "Odds of lotteries";
    std::string formula = "p=";

    report.lines.push_back({});
    report.lines.push_back({"    Probability ", "Ratio", "Ball drawn", "Ball not drawn"});
    report.lines.push_back({});

    for (int k = 1; k <= drawn; ++k) {
        const int d = drawn - (k - 1);
        const int b = balls - (k - 1);
        const double ratio = static_cast<double>(d) / b;
        if (k == 1)
            report.caption = "The odds of the lottery " + leadingBlank(d) + "/" + leadingBlank(b);
        const double notDrawn = roundHalfEven(1.0 - ratio, 8);
        const double isDrawn = roundHalfEven(1.0 - notDrawn, 8);
        report.lines.push_back({"    " + plain(k), plain(d) + "/" + plain(b),
                                leadingBlank(isDrawn).substr(0, 6),
                                leadingBlank(notDrawn).substr(0, 6)});
        formula += "(" + leadingBlank(d) + "/" + leadingBlank(b) + ")";
        if (k < drawn)
            formula += "x";
    }

    double oneIn = 1.0;
    double oddsDrawn = drawn;
    double oddsBalls = balls;
    for (int k = 1; k <= drawn; ++k) {
        oneIn = oneIn * (oddsDrawn / oddsBalls);
        oddsDrawn -= 1;
        oddsBalls -= 1;
    }
    oneIn = 1.0 / oneIn;

    report.lines.push_back({});
    report.lines.push_back({"  " + formula});
    report.lines.push_back({});

    if (langCode == 0)
        langCode = 1;
    if (const OddsSentence *sentence = oddsSentence(langCode)) {
        report.lines.push_back({sentence->opening + leadingBlank(drawn) + "/" + leadingBlank(balls)
                                + sentence->connecting + leadingBlank(oneIn) + " "});
    }
    return report;
}

} // namespace numora::engine
