// Feeds arbitrary typed text to the custom settings: the text-change rule of each row and
// the checks of Next. Whatever is typed, the held values stay in their ranges.
#include "engine/custom.h"
#include "engine/lottery.h"
#include "engine/numtext.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace numora::engine;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRanges()
{
    const CustomSettings &c = state().cst;
    check(c.setSize >= 1 && c.setSize <= 8);
    check(c.ballsDrawn >= 1 && c.ballsDrawn <= 8);
    check(c.ballsIn >= 9 && c.ballsIn <= 80);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    resetState();
    CstDefaults();

    (void)leadingNumber(input);
    for (CstRow row : {CstRow::SetSize, CstRow::BallsDrawn, CstRow::BallsIn})
        cstTextChanged(row, input);
    checkRanges();

    // The input split at its first two newlines gives the three boxes.
    std::array<std::string, 3> texts;
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? input.find('\n', start) : std::string_view::npos;
        texts[i] = std::string(input.substr(start, end == std::string_view::npos ? input.npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const CstNextOutcome out = cstNext(texts);
    checkRanges();
    check(out.setSize <= out.ballsDrawn);
    return 0;
}
