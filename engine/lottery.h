#pragma once

#include <array>
#include <cstdint>
#include <string>

// The lottery profiles and the process-wide state every window reads and writes.
namespace numora::engine {

enum class LottKind { Lott649, LottS7, LottCst };
inline constexpr std::array<LottKind, 3> kAllKinds{LottKind::Lott649, LottKind::LottS7,
                                                   LottKind::LottCst};

struct LottProfile
{
    LottKind kind;
    int balls;    // B; 0 for the custom lottery, whose B comes from its settings
    int drawn;    // D; 0 for the custom lottery
    int slotCount;    // N: the size of the lucky array and the number of lucky slots
    const char *name;
};

const LottProfile &profile(LottKind kind);
constexpr int index(LottKind kind) { return static_cast<int>(kind); }

inline constexpr int kMaxSlots = 8;
inline constexpr int kMaxSelections = 20;

// One lottery's lucky number set and entry progress.
struct LuckyState
{
    std::array<std::uint8_t, kMaxSlots + 1> set{}; // entries 1..count hold the numbers, entry 0 none
    std::uint8_t count = 0;
    std::uint8_t numClicked = 0; // the button just pressed, 0 = none
    std::string text;            // "5 12 33 "
    std::uint8_t numDup = 0;     // result of the last duplicate test
    std::uint8_t entState = 0;   // 0 entering, 1 complete, 2 handed over
    std::int16_t quickPick = 0;
    std::string skewPct;         // the percent in the leading-blank form; empty while unset
    double skewFac = 0.0;
};

struct CustomSettings
{
    std::int16_t setSize = 0;    // CstSetSize
    std::int16_t ballsIn = 0;    // CstBallsIn
    std::int16_t ballsDrawn = 0; // CstBallsDrawn
    std::int16_t selGenerated = 0; // sel_generated_cst
    std::uint8_t session = 0;    // CstSession: 0 none, 1 chosen, 2 displayed
};

// The selection table and counters a selections window owns for the whole run.
struct SelectionTable
{
    std::array<std::array<std::uint8_t, kMaxSlots + 1>, kMaxSelections + 1> sel{}; // [1..20][1..N]
    std::uint8_t nmsel = 0;
    std::uint8_t selGenerated = 0; // the 6/49 and Super 7 windows' own flag
    std::uint8_t ptrOn = 0;
};

struct State
{
    std::array<LuckyState, 3> lucky;
    std::int16_t ballsInLott = 0; // B of the lottery whose screen loaded or generator ran last
    std::int16_t ballsDrawn = 0;  // D, likewise
    std::int16_t extRange = 0;    // E
    std::int16_t slotWidth = 0;   // W
    CustomSettings cst;
    std::array<SelectionTable, 3> selections;
    std::uint8_t langCode = 0;    // interface language, 0 not chosen yet
};

State &state();
void resetState();

inline LuckyState &lucky(LottKind kind) { return state().lucky[index(kind)]; }
inline SelectionTable &selections(LottKind kind) { return state().selections[index(kind)]; }

// B and D of a lottery by its own profile or settings (not the shared current pair).
int ballsOf(LottKind kind);
int drawnOf(LottKind kind);
// How many lucky numbers complete the set: 6, 7, or the custom set size.
int completionTarget(LottKind kind);

enum class AddResult { Added, Duplicate, Refused, NoNumber };
AddResult AddLuckyNum(LottKind kind);
void UndoLuckyNum(LottKind kind);
void BuildLuckyStr(LottKind kind);

// The skew percent and its factor p / (100 - p).
double skewFactor(int percent);
void setSkewPercent(LottKind kind, int percent);
int skewPercent(LottKind kind);

// The generated flag of a lottery's selections: the window's own for 6/49 and Super 7,
// the custom lottery's for custom.
std::int16_t generatedFlag(LottKind kind);
void setGeneratedFlag(LottKind kind, std::int16_t value);

} // namespace numora::engine
