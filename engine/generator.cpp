#include "engine/generator.h"

#include "engine/numtext.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace numora::engine {

namespace {

UniformSource *g_source = nullptr;
Clock *g_clock = nullptr;

} // namespace

long SystemClock::secondsSinceMidnight()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
}

UniformSource &uniformSource()
{
    static StdUniformSource real;
    return g_source ? *g_source : real;
}

Clock &clock()
{
    static SystemClock real;
    return g_clock ? *g_clock : real;
}

void setUniformSource(UniformSource *source)
{
    g_source = source;
}

void setClock(Clock *clock)
{
    g_clock = clock;
}

SlotPlan planSlots(int balls, int drawn, double factor)
{
    const int extRange = static_cast<int>(roundHalfEven(factor * balls + balls));
    const int slotWidth = drawn > 0
        ? static_cast<int>(std::floor(static_cast<double>(extRange - balls) / drawn))
        : 0;
    return {extRange, slotWidth};
}

int slotOf(int draw, int balls, int slotWidth, int slotCount)
{
    if (draw <= balls)
        return 0;
    if (slotWidth <= 0)
        return slotCount;
    const int slot = (draw - balls - 1) / slotWidth + 1;
    return slot < slotCount ? slot : slotCount;
}

void drawSelections(const DrawSpec &spec, int count, SelectionTable &table, UniformSource &source)
{
    const SlotPlan plan = planSlots(spec.balls, spec.drawn, spec.factor);
    // What each value 1..E gives: itself up to B, above B its slot's lucky number (0: draw again).
    std::array<std::uint8_t, kMaxExtRange + 1> numberOf{};
    const int extRange = std::clamp(plan.extRange, 1, kMaxExtRange);
    for (int v = 1; v <= extRange; ++v) {
        numberOf[v] = v <= spec.balls
            ? static_cast<std::uint8_t>(v)
            : spec.lucky[slotOf(v, spec.balls, plan.slotWidth, spec.slotCount)];
    }
    for (int s = 1; s <= count; ++s) {
        auto &row = table.sel[s];
        std::uint64_t taken[2] = {1, 0}; // 0 counts as taken: an empty slot is drawn again
        for (int j = 1; j <= spec.drawn; ++j) {
            for (;;) {
                const int v = static_cast<int>(std::floor(source.next() * extRange + 1));
                const int r = numberOf[std::min(v, extRange)];
                const std::uint64_t bit = std::uint64_t{1} << (r & 63);
                if (!(taken[r >> 6] & bit)) {
                    taken[r >> 6] |= bit;
                    row[j] = static_cast<std::uint8_t>(r);
                    break;
                }
            }
        }
    }
}

GenResult GenSelections(LottKind kind, const std::function<void()> &displaySetup)
{
    State &st = state();
    const LuckyState &ls = lucky(kind);
    SelectionTable &table = selections(kind);

    const int balls = ballsOf(kind);
    const int drawn = drawnOf(kind);
    st.ballsInLott = static_cast<std::int16_t>(balls);
    st.ballsDrawn = static_cast<std::int16_t>(drawn);
    // A lottery that draws more balls than it holds (or none) could never be filled.
    if (drawn > balls || drawn < 1)
        return GenResult::PickExceedsBalls;

    const SlotPlan plan = planSlots(balls, drawn, ls.skewFac);
    st.extRange = static_cast<std::int16_t>(plan.extRange);
    st.slotWidth = static_cast<std::int16_t>(plan.slotWidth);
    setGeneratedFlag(kind, 0);

    UniformSource &source = uniformSource();
    source.seed(static_cast<std::uint32_t>(clock().secondsSinceMidnight()));
    if (displaySetup)
        displaySetup();

    const DrawSpec spec{balls, drawn, profile(kind).slotCount, ls.skewFac, ls.set};
    drawSelections(spec, std::min<int>(table.nmsel, kMaxSelections), table, source);
    // The 6/49 lottery's duplicate flag is the redraw flag of every lottery's generator.
    st.lucky[index(LottKind::Lott649)].numDup = 0;
    setGeneratedFlag(kind, 1);
    return GenResult::Generated;
}

} // namespace numora::engine
