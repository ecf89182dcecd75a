#pragma once

#include "engine/lottery.h"

// The exact share of lucky numbers the generator puts into a ticket.
namespace numora::engine {

struct LuckyShare
{
    double expectedCount;  // lucky numbers in one ticket, on average
    double countVariance;  // their variance per ticket
    double share;          // expectedCount / D
};

// For a lottery of B balls and D drawn with N lucky slots at the given skew factor, and the lucky
// array (entries 1..N; 0 where no number was entered).
LuckyShare expectedLuckyShare(int balls, int drawn, int slotCount, double factor,
                              const std::array<std::uint8_t, kMaxSlots + 1> &lucky);

} // namespace numora::engine
