// Generates tickets with the program's generator and compares the share of lucky numbers in
// them with its exact expectation. Prints one line of JSON.
#include "engine/custom.h"
#include "engine/generator.h"
#include "engine/skewstats.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace numora::engine;

namespace {

int usage(const char *message)
{
    if (message)
        std::fprintf(stderr, "numora-skew-stats: %s\n", message);
    std::fprintf(stderr,
                 "usage: numora-skew-stats --lottery 649|s7|custom --skew P --lucky n1,n2,...\n"
                 "                         --tickets N --seed S\n"
                 "                         [--balls B --drawn D --set-size S]  (custom)\n"
                 "  P is 0 to 90 in steps of 10; the lucky numbers are distinct, 1 to B.\n");
    return 2;
}

std::optional<long long> number(std::string_view text)
{
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int main(int argc, char **argv)
{
    std::string lottery;
    std::optional<long long> skew, tickets, seed, balls, drawn, setSize;
    std::vector<int> luckyNumbers;
    bool luckyGiven = false;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return usage(nullptr), 0;
        if (i + 1 >= argc)
            return usage(("missing value for " + std::string(arg)).c_str());
        const std::string_view value = argv[++i];
        if (arg == "--lottery") {
            lottery = value;
        } else if (arg == "--lucky") {
            luckyGiven = true;
            std::size_t pos = 0;
            while (pos <= value.size() && !value.empty()) {
                const std::size_t comma = value.find(',', pos);
                const auto n = number(value.substr(pos, comma == std::string_view::npos ? value.npos : comma - pos));
                if (!n)
                    return usage("--lucky takes numbers separated by commas");
                luckyNumbers.push_back(static_cast<int>(*n));
                if (comma == std::string_view::npos)
                    break;
                pos = comma + 1;
            }
        } else {
            const auto n = number(value);
            if (!n)
                return usage((std::string(arg) + " takes a whole number").c_str());
            if (arg == "--skew") skew = n;
            else if (arg == "--tickets") tickets = n;
            else if (arg == "--seed") seed = n;
            else if (arg == "--balls") balls = n;
            else if (arg == "--drawn") drawn = n;
            else if (arg == "--set-size") setSize = n;
            else return usage(("unknown option " + std::string(arg)).c_str());
        }
    }

    int b = 0, d = 0, slotCount = 0, maxLucky = 0;
    if (lottery == "649" || lottery == "s7") {
        const LottProfile &p =
            profile(lottery == "649" ? LottKind::Lott649 : LottKind::LottS7);
        b = p.balls; d = p.drawn; slotCount = p.slotCount; maxLucky = p.slotCount;
    } else if (lottery == "custom") {
        if (!balls || !drawn || !setSize)
            return usage("a custom lottery needs --balls, --drawn and --set-size");
        const auto inRange = [](long long value, CstRow row) {
            const CstRange r = cstRange(row);
            return value >= r.low && value <= r.high;
        };
        if (!inRange(*balls, CstRow::BallsIn) || !inRange(*drawn, CstRow::BallsDrawn)
            || !inRange(*setSize, CstRow::SetSize) || *setSize > *drawn)
            return usage("custom: balls 9 to 80, drawn 1 to 8, set size 1 to drawn");
        b = static_cast<int>(*balls); d = static_cast<int>(*drawn);
        slotCount = profile(LottKind::LottCst).slotCount;
        maxLucky = static_cast<int>(*setSize);
    } else {
        return usage("--lottery must be 649, s7 or custom");
    }
    if (!skew || *skew > 90 || *skew % 10 != 0)
        return usage("--skew must be 0, 10, ... or 90");
    if (!tickets || *tickets < 1 || !seed || !luckyGiven)
        return usage("--skew, --lucky, --tickets and --seed are required");
    if (static_cast<int>(luckyNumbers.size()) > maxLucky)
        return usage("too many lucky numbers for this lottery");
    std::array<std::uint8_t, kMaxSlots + 1> lucky{};
    for (std::size_t i = 0; i < luckyNumbers.size(); ++i) {
        const int n = luckyNumbers[i];
        if (n < 1 || n > b)
            return usage("a lucky number is outside 1 to the balls in the lottery");
        for (std::size_t j = 0; j < i; ++j) {
            if (luckyNumbers[j] == n)
                return usage("the lucky numbers must be distinct");
        }
        lucky[i + 1] = static_cast<std::uint8_t>(n);
    }

    const double factor = skewFactor(static_cast<int>(*skew));
    const SlotPlan plan = planSlots(b, d, factor);
    const DrawSpec spec{b, d, slotCount, factor, lucky};
    StdUniformSource source;
    SelectionTable table;
    long long made = 0, numbersDrawn = 0, luckyDrawn = 0;
    auto tableSeed = static_cast<std::uint32_t>(*seed);
    const auto start = std::chrono::steady_clock::now();
    while (made < *tickets) {
        const int rows = static_cast<int>(std::min<long long>(kMaxSelections, *tickets - made));
        source.seed(tableSeed++);
        drawSelections(spec, rows, table, source);
        for (int s = 1; s <= rows; ++s) {
            for (int j = 1; j <= d; ++j) {
                ++numbersDrawn;
                for (int k = 1; k <= slotCount; ++k) {
                    if (lucky[k] != 0 && lucky[k] == table.sel[s][j]) {
                        ++luckyDrawn;
                        break;
                    }
                }
            }
        }
        made += rows;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const LuckyShare expected = expectedLuckyShare(b, d, slotCount, factor, lucky);
    const double measured = static_cast<double>(luckyDrawn) / numbersDrawn;
    const double se = std::sqrt(expected.countVariance / made) / d;
    const double z = se > 0 ? (measured - expected.share) / se : 0.0;

    std::string luckyJson;
    for (std::size_t i = 0; i < luckyNumbers.size(); ++i)
        luckyJson += (i ? "," : "") + std::to_string(luckyNumbers[i]);
    std::printf("{\"lottery\":\"%s\",\"balls\":%d,\"drawn\":%d,\"slotCount\":%d,\"skew\":%lld,"
                "\"lucky\":[%s],\"E\":%d,\"W\":%d,\"tickets\":%lld,\"seed\":%lld,"
                "\"numbers_drawn\":%lld,\"lucky_drawn\":%lld,\"measured_share\":%.9f,"
                "\"expected_share\":%.9f,\"standard_error\":%.9f,\"z\":%.4f,\"ns_per_ticket\":%.1f}\n",
                lottery.c_str(), b, d, slotCount, *skew, luckyJson.c_str(), plan.extRange, plan.slotWidth,
                made, *seed, numbersDrawn, luckyDrawn, measured, expected.share, se, z,
                seconds * 1e9 / made);
    return 0;
}
