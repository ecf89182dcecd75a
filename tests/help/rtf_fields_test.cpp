#include "help/rtf/rtffields.h"

#include <gtest/gtest.h>

using numora::rtf::hyperlinkTarget;

namespace {

TEST(RtfHyperlink, TargetOfTheFieldInstruction)
{
    const struct {
        const char *name;
        const char *instruction;
        const char *target;
    } rows[] = {
        {"quoted_address_and_tip", R"(HYPERLINK "https://example.org/a" \o "tip")", "https://example.org/a"},
        {"unquoted_any_case_blank_around", "  hyperlink https://example.org  ", "https://example.org"},
        {"bookmark_only", R"(HYPERLINK \l "top")", "#top"},
        {"address_and_bookmark", R"(HYPERLINK "guide.rtf" \l "part 2")", "guide.rtf#part 2"},
        {"target_frame_switch_takes_its_argument", R"(HYPERLINK \t "_blank" "https://example.org")", "https://example.org"},
        {"other_switch_ignored", R"(HYPERLINK \m "https://example.org")", "https://example.org"},
        {"first_address_wins", R"(HYPERLINK "a" "b")", "a"},
        {"quote_left_open", R"(HYPERLINK "https://example.org/open)", "https://example.org/open"},
        {"switch_without_argument", R"(HYPERLINK \l)", ""},
        {"no_address", "HYPERLINK", ""},
        {"other_field", "PAGE", ""},
        {"empty", "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(hyperlinkTarget(QString::fromUtf8(row.instruction)), QString::fromUtf8(row.target));
    }
}

} // namespace
