#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The rules of the custom lottery settings: set size S, balls drawn D, balls in lottery B.
namespace numora::engine {

enum class CstRow { SetSize = 0, BallsDrawn = 1, BallsIn = 2 };
enum class Arrow { Down, Up };

struct CstRange
{
    int low;
    int high;
};
CstRange cstRange(CstRow row);

// The settings the custom lottery starts from: a set of 6, 6 balls drawn of 49.
int cstDefault(CstRow row);

// Empties the custom lucky set and puts the settings back to their defaults (cstDefault).
// (The settings window's text boxes are the caller's.)
void CstDefaults();

// The held value of a row.
int cstValue(CstRow row);
void setCstValue(CstRow row, int value);

// An arrow click on a row: the new held value (also stored).
int cstArrow(CstRow row, Arrow arrow);

// The held value a typed text gives (also stored): the number at the start of the text,
// rounded half to even when in range and clamped to the row's range.
int cstTextChanged(CstRow row, std::string_view text);

// Next: the checks on the three texts, in order. Each step is either a message to show or a
// new text for a row's box; the window replays them in order.
struct CstStep
{
    enum class Kind { Message, SetText } kind;
    std::string text;
    CstRow row = CstRow::SetSize; // for SetText
};
struct CstNextOutcome
{
    std::vector<CstStep> steps;
    std::array<std::string, 3> texts; // the boxes' texts afterwards
    int setSize;
    int ballsDrawn;
    int ballsIn;
};
// Runs the checks and stores the corrected S, D and B.
CstNextOutcome cstNext(const std::array<std::string, 3> &texts);

} // namespace numora::engine
