#include "engine/custom.h"

#include "engine/lottery.h"
#include "engine/numtext.h"

#include <algorithm>

namespace numora::engine {

namespace {

std::int16_t &held(CstRow row)
{
    CustomSettings &c = state().cst;
    switch (row) {
    case CstRow::SetSize:
        return c.setSize;
    case CstRow::BallsDrawn:
        return c.ballsDrawn;
    case CstRow::BallsIn:
        break;
    }
    return c.ballsIn;
}

// Rounding can leave the range ("0.4" rounds to 0, "8.5" to 8): clamp after it.
int clampRounded(CstRow row, double value)
{
    const CstRange r = cstRange(row);
    const long long rounded = roundHalfEven(value);
    return static_cast<int>(std::clamp<long long>(rounded, r.low, r.high));
}

} // namespace

CstRange cstRange(CstRow row)
{
    return row == CstRow::BallsIn ? CstRange{9, 80} : CstRange{1, 8};
}

int cstDefault(CstRow row)
{
    constexpr int kDefaults[3] = {6, 6, 49}; // by CstRow
    return kDefaults[static_cast<int>(row)];
}

void CstDefaults()
{
    LuckyState &s = lucky(LottKind::LottCst);
    s.text.clear();
    s.entState = 0;
    s.count = 0;
    state().cst.selGenerated = 0;
    for (int i = 1; i <= kMaxSlots; ++i)
        s.set[i] = 0;
    state().cst.setSize = cstDefault(CstRow::SetSize);
    state().cst.ballsDrawn = cstDefault(CstRow::BallsDrawn);
    state().cst.ballsIn = cstDefault(CstRow::BallsIn);
}

int cstValue(CstRow row)
{
    return held(row);
}

void setCstValue(CstRow row, int value)
{
    held(row) = static_cast<std::int16_t>(value);
}

int cstArrow(CstRow row, Arrow arrow)
{
    const CstRange r = cstRange(row);
    std::int16_t &v = held(row);
    if (arrow == Arrow::Down) {
        if (v > r.low)
            --v;
    } else {
        v = v < r.high ? static_cast<std::int16_t>(v + 1) : static_cast<std::int16_t>(r.high);
    }
    return v;
}

int cstTextChanged(CstRow row, std::string_view text)
{
    const CstRange r = cstRange(row);
    const double v = leadingNumber(text);
    int value;
    if (v > r.low - 1 && v < r.high + 1)
        value = clampRounded(row, v);
    else
        value = v > r.high ? r.high : r.low;
    held(row) = static_cast<std::int16_t>(value);
    return value;
}

CstNextOutcome cstNext(const std::array<std::string, 3> &texts)
{
    CstNextOutcome out;
    out.texts = texts;
    auto number = [&](CstRow row) { return leadingNumber(out.texts[static_cast<int>(row)]); };
    auto message = [&](std::string text) {
        out.steps.push_back({CstStep::Kind::Message, std::move(text)});
    };
    auto setText = [&](CstRow row, std::string text) {
        out.texts[static_cast<int>(row)] = text;
        out.steps.push_back({CstStep::Kind::SetText, std::move(text), row});
    };
    CustomSettings &c = state().cst;

    if (number(CstRow::BallsIn) > 80) {
        message("Upper balls in lottery=80");
        c.ballsIn = 80;
        setText(CstRow::BallsIn, "80");
    }
    if (number(CstRow::BallsIn) < 9) {
        message("Lower balls in lottery=9");
        c.ballsIn = 9;
        setText(CstRow::BallsIn, "9");
    }
    if (number(CstRow::SetSize) <= 0) {
        message("Lower lucky number set=1");
        c.setSize = 1;
        setText(CstRow::SetSize, "1");
    }
    if (number(CstRow::SetSize) > 8) {
        message("Upper lucky number set=8");
        c.setSize = 8;
        setText(CstRow::SetSize, "8");
    }
    if (number(CstRow::BallsDrawn) <= 0) {
        message("Lower balls drawn=1");
        c.ballsDrawn = 1;
        setText(CstRow::BallsDrawn, "1");
    }
    if (number(CstRow::BallsDrawn) > 8) {
        c.ballsDrawn = 8;
        setText(CstRow::BallsDrawn, "8");
        message("Upper balls drawn=8");
    }
    c.setSize = static_cast<std::int16_t>(clampRounded(CstRow::SetSize, number(CstRow::SetSize)));
    c.ballsDrawn = static_cast<std::int16_t>(clampRounded(CstRow::BallsDrawn, number(CstRow::BallsDrawn)));
    if (number(CstRow::BallsDrawn) < number(CstRow::SetSize)) {
        const std::string &t1 = out.texts[static_cast<int>(CstRow::SetSize)];
        const std::string &t2 = out.texts[static_cast<int>(CstRow::BallsDrawn)];
        message("Lucky number set " + t1 + " is greater than the number of balls " + t2);
        c.setSize = c.ballsDrawn;
        setText(CstRow::SetSize, t2);
        message("Lucky number set " + out.texts[0] + " = balls drawn " + out.texts[1]);
    }
    c.ballsIn = static_cast<std::int16_t>(clampRounded(CstRow::BallsIn, number(CstRow::BallsIn)));

    out.setSize = c.setSize;
    out.ballsDrawn = c.ballsDrawn;
    out.ballsIn = c.ballsIn;
    return out;
}

} // namespace numora::engine
