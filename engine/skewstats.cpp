#include "engine/skewstats.h"

#include "engine/generator.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace numora::engine {

LuckyShare expectedLuckyShare(int balls, int drawn, int slotCount, double factor,
                              const std::array<std::uint8_t, kMaxSlots + 1> &lucky)
{
    const SlotPlan plan = planSlots(balls, drawn, factor);

    // The distinct lucky numbers and how many values of 1..E give each: the number itself
    // plus every value of the slotCount that hold it.
    std::vector<int> numbers;
    std::vector<double> weight;
    for (int k = 1; k <= slotCount; ++k) {
        const int n = lucky[k];
        if (n == 0)
            continue;
        auto it = std::find(numbers.begin(), numbers.end(), n);
        if (it == numbers.end()) {
            numbers.push_back(n);
            weight.push_back(n <= balls ? 1.0 : 0.0);
            it = numbers.end() - 1;
        }
        int slotValues = 0;
        for (int v = balls + 1; v <= plan.extRange; ++v) {
            if (slotOf(v, balls, plan.slotWidth, slotCount) == k)
                ++slotValues;
        }
        weight[it - numbers.begin()] += slotValues;
    }
    const int luckyCount = static_cast<int>(numbers.size());
    const int plainCount = balls - luckyCount; // numbers outside the lucky set

    // prob[mask][m]: the chance that the ticket so far holds the lucky numbers in mask and
    // m other numbers. Every accepted draw is proportional to the weight of what is still free.
    const int masks = 1 << luckyCount;
    std::vector<std::vector<double>> prob(masks, std::vector<double>(drawn + 1, 0.0));
    prob[0][0] = 1.0;
    for (int pos = 0; pos < drawn; ++pos) {
        std::vector<std::vector<double>> next(masks, std::vector<double>(drawn + 1, 0.0));
        for (int mask = 0; mask < masks; ++mask) {
            for (int m = 0; m <= pos; ++m) {
                const double p = prob[mask][m];
                if (p == 0.0 || std::popcount(static_cast<unsigned>(mask)) + m != pos)
                    continue;
                double total = plainCount - m;
                for (int i = 0; i < luckyCount; ++i) {
                    if (!(mask & (1 << i)))
                        total += weight[i];
                }
                if (plainCount - m > 0)
                    next[mask][m + 1] += p * (plainCount - m) / total;
                for (int i = 0; i < luckyCount; ++i) {
                    if (!(mask & (1 << i)) && weight[i] > 0)
                        next[mask | (1 << i)][m] += p * weight[i] / total;
                }
            }
        }
        prob = std::move(next);
    }

    double mean = 0.0;
    double square = 0.0;
    for (int mask = 0; mask < masks; ++mask) {
        const int held = std::popcount(static_cast<unsigned>(mask)); // lucky numbers held
        for (int m = 0; m <= drawn; ++m) {
            mean += prob[mask][m] * held;
            square += prob[mask][m] * held * held;
        }
    }
    return {mean, square - mean * mean, drawn > 0 ? mean / drawn : 0.0};
}

} // namespace numora::engine
