#include "engine/lottery.h"

#include "engine/numtext.h"

#include <cmath>

namespace numora::engine {

namespace {

constexpr std::array<LottProfile, 3> kProfiles{{
    {LottKind::Lott649, 49, 6, 6, "649"},
    {LottKind::LottS7, 47, 7, 7, "S7"},
    {LottKind::LottCst, 0, 0, 8, "Cst"},
}};

State g_state;

} // namespace

const LottProfile &profile(LottKind kind)
{
    return kProfiles[index(kind)];
}

State &state()
{
    return g_state;
}

void resetState()
{
    g_state = State{};
}

int ballsOf(LottKind kind)
{
    return kind == LottKind::LottCst ? g_state.cst.ballsIn : profile(kind).balls;
}

int drawnOf(LottKind kind)
{
    return kind == LottKind::LottCst ? g_state.cst.ballsDrawn : profile(kind).drawn;
}

int completionTarget(LottKind kind)
{
    return kind == LottKind::LottCst ? g_state.cst.setSize : profile(kind).drawn;
}

AddResult AddLuckyNum(LottKind kind)
{
    LuckyState &s = lucky(kind);
    s.numDup = 0;
    if (s.numClicked == 0)
        return AddResult::NoNumber;
    for (int i = 1; i <= s.count; ++i) {
        if (s.set[i] == s.numClicked)
            s.numDup = 1;
    }
    if (s.numDup == 1)
        return AddResult::Duplicate;
    if (s.entState != 0)
        return AddResult::Refused;
    const int limit = std::min(completionTarget(kind), profile(kind).slotCount);
    if (s.count >= limit)
        return AddResult::Refused;
    ++s.count;
    s.set[s.count] = s.numClicked;
    BuildLuckyStr(kind);
    return AddResult::Added;
}

void UndoLuckyNum(LottKind kind)
{
    LuckyState &s = lucky(kind);
    s.set[s.count] = 0;
    if (s.count > 0)
        --s.count;
    BuildLuckyStr(kind);
    s.numClicked = 0;
}

void BuildLuckyStr(LottKind kind)
{
    LuckyState &s = lucky(kind);
    s.text.clear();
    for (int i = 1; i <= s.count; ++i) {
        if (s.set[i] > 0)
            s.text += plain(s.set[i]) + " ";
    }
}

double skewFactor(int percent)
{
    return std::fabs(static_cast<double>(percent) / (percent - 100.0));
}

void setSkewPercent(LottKind kind, int percent)
{
    LuckyState &s = lucky(kind);
    s.skewPct = leadingBlank(percent);
    s.skewFac = skewFactor(percent);
}

int skewPercent(LottKind kind)
{
    return static_cast<int>(roundHalfEven(leadingNumber(lucky(kind).skewPct)));
}

std::int16_t generatedFlag(LottKind kind)
{
    return kind == LottKind::LottCst ? g_state.cst.selGenerated
                                     : selections(kind).selGenerated;
}

void setGeneratedFlag(LottKind kind, std::int16_t value)
{
    if (kind == LottKind::LottCst)
        g_state.cst.selGenerated = value;
    else
        selections(kind).selGenerated = static_cast<std::uint8_t>(value);
}

} // namespace numora::engine
