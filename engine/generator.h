#pragma once

#include "engine/lottery.h"

#include <cstdint>
#include <functional>
#include <random>

// The skewed selection generator.
namespace numora::engine {

// A uniform source on [0, 1) that can be seeded.
class UniformSource
{
public:
    virtual ~UniformSource() = default;
    virtual void seed(std::uint32_t seed) = 0;
    virtual double next() = 0;
};

// Whole seconds since midnight, local time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual long secondsSinceMidnight() = 0;
};

class StdUniformSource final : public UniformSource
{
public:
    void seed(std::uint32_t seed) override { m_engine.seed(seed); }
    double next() override { return m_dist(m_engine); }

private:
    std::mt19937 m_engine{0};
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

class SystemClock final : public Clock
{
public:
    long secondsSinceMidnight() override;
};

UniformSource &uniformSource();
Clock &clock();
// Tests install scripted sources; nullptr restores the real ones.
void setUniformSource(UniformSource *source);
void setClock(Clock *clock);

// The extended draw range E and slot width W for B balls, D drawn and a skew factor.
struct SlotPlan
{
    int extRange;
    int slotWidth;
};
SlotPlan planSlots(int balls, int drawn, double factor);

// The slot (1..N) a draw above B falls in; 0 for a draw of B or less.
int slotOf(int draw, int balls, int slotWidth, int slotCount);

// The widest draw range: 80 balls at a skew of 90 percent.
inline constexpr int kMaxExtRange = 800;

// One lottery's draw, free of the process-wide state: fills rows 1..count of the table.
struct DrawSpec
{
    int balls;
    int drawn;
    int slotCount;
    double factor;
    std::array<std::uint8_t, kMaxSlots + 1> lucky;
};
void drawSelections(const DrawSpec &spec, int count, SelectionTable &table, UniformSource &source);

enum class GenResult { Generated, PickExceedsBalls };

// Fills the lottery's selection table with nmsel selections. Sets the shared current pair,
// E and W, the generated flag, and seeds the source from the clock; displaySetup runs after
// the flag is cleared and before the first draw.
GenResult GenSelections(LottKind kind, const std::function<void()> &displaySetup = {});

} // namespace numora::engine
