#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The odds report of a lottery, as the odds window prints it.
namespace numora::engine {

struct OddsReport
{
    std::string caption;
    // One entry per printed line; each line is one or more fields placed in print zones.
    // An empty line has no fields.
    std::vector<std::vector<std::string>> lines;
};

// The report for D balls drawn from B. Reads the interface language for the odds sentence;
// a language not chosen yet (0) becomes English (1) and is stored back.
OddsReport ShowOdds(int drawn, int balls, std::uint8_t &langCode);

// The odds sentence's opening and connecting texts by language (1 to 5).
struct OddsSentence
{
    const char *opening;
    const char *connecting;
};
const OddsSentence *oddsSentence(int langCode);

} // namespace numora::engine
