#include "rtf_test_support.h"

#include "help/rtf/codepage.h"

#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <functional>

using namespace numora::rtf;
using namespace rtftest;

namespace {

using Check = std::function<void(const QTextDocument &)>;

struct Case {
    const char *name;
    QByteArray rtf;
    const char *text;  // UTF-8; blocks joined by '\n'
    Check check = {};
    ReadError damage = ReadError::None;
    Limits limits = {};
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

std::vector<QTextTable *> tables(const QTextDocument &doc)
{
    std::vector<QTextTable *> out;
    for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame()))
            out.push_back(table);
    return out;
}

// The table's cells, row by row, each cell's paragraphs joined by '\n'.
std::vector<QStringList> cells(const QTextTable &table)
{
    std::vector<QStringList> rows;
    for (int r = 0; r < table.rows(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columns(); ++c) {
            QStringList paragraphs;
            for (QTextFrame::iterator it = table.cellAt(r, c).begin(); !it.atEnd(); ++it)
                paragraphs.append(it.currentBlock().text());
            row.append(paragraphs.join(u'\n'));
        }
        rows.push_back(row);
    }
    return rows;
}

// The only table of the document, with the given cells.
QTextTable *expectTable(const QTextDocument &doc, const std::vector<QStringList> &expected)
{
    const std::vector<QTextTable *> all = tables(doc);
    EXPECT_EQ(all.size(), 1u);
    if (all.empty())
        return nullptr;
    EXPECT_EQ(cells(*all.front()), expected);
    return all.front();
}

QList<qreal> columnWidths(const QTextTable &table)
{
    QList<qreal> out;
    for (const QTextLength &length : table.format().columnWidthConstraints())
        out.append(length.type() == QTextLength::FixedLength ? length.rawValue() : -1);
    return out;
}

std::vector<Case> cases()
{
    const QByteArray deep = "{\\rtf1 a" + QByteArray(5000, '{') + "x\\bin2 }}" + QByteArray(5000, '}') + "b}";
    return {
        // Tokens and delimiters
        {"space_ends_word", R"({\rtf1 \b bold\b0  plain})", "bold plain",
         [](const QTextDocument &d) {
             EXPECT_EQ(formatAt(d, "bold").fontWeight(), QFont::Bold);
             EXPECT_EQ(formatAt(d, "plain").fontWeight(), QFont::Normal);
         }},
        {"parameter_ends_word", R"({\rtf1 \fs40x\fs-2 y})", "xy",
         [](const QTextDocument &d) {
             EXPECT_EQ(formatAt(d, "x").fontPointSize(), 20);
             EXPECT_EQ(formatAt(d, "y").fontPointSize(), 12);
         }},
        {"huge_parameters", R"({\rtf1 \fs99999999999999999999 a\li-99999999999999 b\u99999999999 c})", "ab\xEF\xBF\xBD",
         [](const QTextDocument &d) { EXPECT_EQ(formatAt(d, "a").fontPointSize(), 1638); }},
        {"control_symbols", R"({\rtf1 a\{b\}c\\d\~e\-f\_g\|h\:i})", "a{b}c\\d\xC2\xA0" "e\xC2\xAD" "f\xE2\x80\x91gh" "i"},
        {"backslash_newline_is_paragraph", "{\\rtf1 one\\\ntwo\\\rthree}", "one\ntwo\nthree"},
        {"raw_newlines_ignored", "{\\rtf1 a\r\nb\tc\\tab d}", "ab\tc\td"},
        {"special_characters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         "\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D"},
        {"line_and_paragraphs", R"({\rtf1 a\line b\par\par c\par})", "a\xE2\x80\xA8" "b\n\nc"},
        {"page_and_section_breaks", R"({\rtf1\page a\page b\par\sect\sectd c\sect})", "a\nb\nc"},
        {"unknown_words_ignored", R"({\rtf1 \nosuchword12 a{\alsounknown b}\insrsid123 c})", "abc"},

        // \u and its fallback
        {"unicode_default_fallback", R"({\rtf1 caf\u233?s})", "caf\xC3\xA9s"},
        {"uc2_skips_two", R"({\rtf1\uc2 \u233 ab c})", "\xC3\xA9 c"},
        {"uc0_skips_nothing", R"({\rtf1\uc0\u233 x})", "\xC3\xA9x"},
        {"hex_fallback_counts_one", R"({\rtf1\uc1\u8220\'93quote\u8221\'94})", "\xE2\x80\x9Cquote\xE2\x80\x9D"},
        {"brace_ends_fallback", R"({\rtf1\uc3{\u233}abc})", "\xC3\xA9" "abc"},
        {"uc_belongs_to_group", R"({\rtf1{\uc2 \u233 ab}\u233 xy})", "\xC3\xA9\xC3\xA9y"},
        {"bin_counts_one", R"({\rtf1\u233\bin2 {}x})", "\xC3\xA9x"},
        {"negative_unicode", R"({\rtf1\u-27?})", "\xEF\xBF\xA5"},
        {"surrogate_pair", R"({\rtf1\u55357?\u56832?})", "\xF0\x9F\x98\x80"},
        {"negative_surrogate_pair", R"({\rtf1\u-10179?\u-8704?})", "\xF0\x9F\x98\x80"},
        {"lone_high_surrogate", R"({\rtf1 a\u55357?b})", "a\xEF\xBF\xBD" "b"},
        {"lone_low_surrogate", R"({\rtf1 a\u56832?b})", "a\xEF\xBF\xBD" "b"},
        {"high_surrogate_at_end", R"({\rtf1 a\u55357?\par b\u55357?})", "a\xEF\xBF\xBD\nb\xEF\xBF\xBD"},

        // Code pages
        {"ansicpg1252", R"({\rtf1\ansi\ansicpg1252 \'80\'e9\'81})", "\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD"},
        {"ansicpg1250", R"({\rtf1\ansi\ansicpg1250 \'b9})", "\xC4\x85"},
        {"ansicpg1251", R"({\rtf1\ansi\ansicpg1251 \'c0})", "\xD0\x90"},
        {"mac_roman", R"({\rtf1\mac \'8e\'db})", "\xC3\xA9\xE2\x82\xAC"},
        {"ansicpg10000", R"({\rtf1\ansi\ansicpg10000 \'8e})", "\xC3\xA9"},
        {"pc_437", R"({\rtf1\pc \'82\'d5})", "\xC3\xA9\xE2\x95\x92"},
        {"pca_850", R"({\rtf1\pca \'d5})", "\xC4\xB1"},
        {"utf8_code_page", R"({\rtf1\ansicpg65001 \'c3\'a9})", "\xC3\xA9"},
        {"unknown_code_page", R"({\rtf1\ansicpg12345 \'e9a})", "\xEF\xBF\xBD" "a"},
        {"font_charsets",
         R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset238 B;}{\f2\fcharset204 C;})"
         R"({\f3\fcharset77 D;}{\f4\fcharset254 E;}{\f5\fcharset255 F;}{\f6\fcharset2 Symbol;}{\f7\fcharset1 G;})"
         R"({\f8\cpg1250 H;}{\f9\fcharset2 Wingdings;}}\'b9{\f1\'b9}{\f2\'c0}{\f3\'8e}{\f4\'d5}{\f5\'d5}{\f6\'b7a})"
         R"({\f7\'c0}{\f8\'b9}{\f9\'a7}{\f42\'c0}})",
         "\xC2\xB9\xC4\x85\xD0\x90\xC3\xA9\xE2\x95\x92\xC4\xB1\xE2\x80\xA2\xCE\xB1\xD0\x90\xC4\x85\xE2\x96\xAA\xD0\x90"},
        {"hex_digits_any_case_truncated", R"({\rtf1 \'E9\'e9\'4x\'})", "\xC3\xA9\xC3\xA9x"},

        // Destinations
        {"skipped_destinations",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s1 Heading;}})"
         R"({\info{\title T}{\author A}}{\header H}{\footerf F}{\*\listtable{\list x}}{\*\listoverridetable y})"
         R"({\*\rsidtbl \rsid1}{\*\generator G;}{\*\xmlnstbl {\xmlns1 u}}{\*\themedata 0102}{\*\datastore 0304})"
         R"({\*\latentstyles\lsdstimax1 {\lsdlockedexcept x}}{\*\bkmkstart b}{\footnote note}Body})",
         "Body"},
        {"unknown_starred_group_skipped", R"({\rtf1 a{\*\unknownthing b{c}}d{\unknownword e}f})", "adef"},
        {"list_text_shown_pn_skipped",
         R"({\rtf1{\pntext 1.\tab}{\*\pn\pnlvlbody{\pntxta .}}One\par{\listtext \'b7\tab}Two{\pn\pnlvlblt{\pntxtb x}}})",
         "1.\tOne\n\xC2\xB7\tTwo"},
        {"font_table_without_groups", R"({\rtf1{\fonttbl\f0\fswiss\fcharset0 Helvetica;\f1\fnil Menlo{\*\falt M};}\f1 x})",
         "x", [](const QTextDocument &d) { EXPECT_EQ(formatAt(d, "x").fontFamilies().toStringList(), QStringList{"Menlo"}); }},
        {"unicode_group_preferred", R"({\rtf1{\upr{ansi}{\*\ud{uni\u233?}}}})", "uni\xC3\xA9"},
        {"field_result_kept_as_link",
         R"({\rtf1{\field{\*\fldinst{HYPERLINK "https://example.org/a" \\o "tip"}}{\fldrslt{\ul site}}} end})",
         "site end",
         [](const QTextDocument &d) {
             EXPECT_TRUE(formatAt(d, "site").isAnchor());
             EXPECT_EQ(formatAt(d, "site").anchorHref(), "https://example.org/a");
             EXPECT_FALSE(formatAt(d, "end").isAnchor());
         }},
        {"field_link_to_bookmark", R"({\rtf1{\field{\fldinst HYPERLINK \\l "top"}{\fldrslt up}}})", "up",
         [](const QTextDocument &d) { EXPECT_EQ(formatAt(d, "up").anchorHref(), "#top"); }},
        {"field_without_link", R"({\rtf1{\field{\*\fldinst PAGE}{\fldrslt 3}}})", "3",
         [](const QTextDocument &d) { EXPECT_FALSE(formatAt(d, "3").isAnchor()); }},
        {"nested_field", R"({\rtf1{\field{\*\fldinst IF {\field{\*\fldinst X}{\fldrslt y}} = 1}{\fldrslt shown}}})", "shown"},
        {"bin_in_skipped_group", R"({\rtf1 a{\*\objdata \bin5 }}{\\}b})", "ab"},
        {"bin_longer_than_file", R"({\rtf1 a{\*\foo\bin999999999999 })", "a", {}, ReadError::Unbalanced},

        // Formats
        {"character_formats",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}{\b B}{\i I}{\ul U}{\ul\ulnone N}{\ul V})"
         R"({\ul\ul0 W}{\strike S}{\fs40 T}{\cf1 R}{\highlight2 H}{\cb1 C}{\super P}{\sub Q}{\cf9 X}{\v hidden}x})",
         "BIUNVWSTRHCPQXx",
         [](const QTextDocument &d) {
             EXPECT_EQ(formatAt(d, "B").fontWeight(), QFont::Bold);
             EXPECT_TRUE(formatAt(d, "I").fontItalic());
             EXPECT_TRUE(formatAt(d, "U").fontUnderline());
             EXPECT_FALSE(formatAt(d, "N").fontUnderline());
             EXPECT_TRUE(formatAt(d, "V").fontUnderline());
             EXPECT_FALSE(formatAt(d, "W").fontUnderline());
             EXPECT_TRUE(formatAt(d, "S").fontStrikeOut());
             EXPECT_EQ(formatAt(d, "T").fontPointSize(), 20);
             EXPECT_EQ(formatAt(d, "R").foreground().color(), QColor(255, 0, 0));
             EXPECT_EQ(formatAt(d, "H").background().color(), QColor(0, 0, 255));
             EXPECT_EQ(formatAt(d, "C").background().color(), QColor(255, 0, 0));
             EXPECT_EQ(formatAt(d, "P").verticalAlignment(), QTextCharFormat::AlignSuperScript);
             EXPECT_EQ(formatAt(d, "Q").verticalAlignment(), QTextCharFormat::AlignSubScript);
             EXPECT_FALSE(formatAt(d, "X").hasProperty(QTextFormat::ForegroundBrush));
             const QTextCharFormat x = formatAt(d, "x");
             EXPECT_EQ(x.fontWeight(), QFont::Normal);
             EXPECT_FALSE(x.fontUnderline());
             EXPECT_EQ(x.fontPointSize(), 12);
             EXPECT_FALSE(x.hasProperty(QTextFormat::ForegroundBrush));
         }},
        {"plain_resets_to_default_font",
         R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}\f1\b\i\ul\fs40 a\plain b})", "ab",
         [](const QTextDocument &d) {
             EXPECT_EQ(formatAt(d, "a").fontFamilies().toStringList(), QStringList{"Courier New"});
             const QTextCharFormat b = formatAt(d, "b");
             EXPECT_EQ(b.fontWeight(), QFont::Normal);
             EXPECT_FALSE(b.fontItalic());
             EXPECT_EQ(b.fontPointSize(), 12);
             EXPECT_EQ(b.fontFamilies().toStringList(), QStringList{"Arial"});
             EXPECT_EQ(b.fontStyleHint(), QFont::SansSerif);
         }},
        {"paragraph_formats",
         R"({\rtf1\qc\li720\ri360\fi-360\sb240\sa120 centred\par\pard reset\par\qr right\par\qj just\par})",
         "centred\nreset\nright\njust",
         [](const QTextDocument &d) {
             const QTextBlockFormat c = blockAt(d, "centred");
             EXPECT_EQ(c.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
             EXPECT_EQ(c.leftMargin(), 48);
             EXPECT_EQ(c.rightMargin(), 24);
             EXPECT_EQ(c.textIndent(), -24);
             EXPECT_EQ(c.topMargin(), 16);
             EXPECT_EQ(c.bottomMargin(), 8);
             const QTextBlockFormat r = blockAt(d, "reset");
             EXPECT_EQ(r.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
             EXPECT_EQ(r.leftMargin(), 0);
             EXPECT_EQ(r.textIndent(), 0);
             EXPECT_EQ(blockAt(d, "right").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
             EXPECT_EQ(blockAt(d, "just").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
         }},
        {"paragraph_takes_properties_at_its_end", R"({\rtf1 a\qc\par b\qr})", "a\nb",
         [](const QTextDocument &d) {
             EXPECT_EQ(blockAt(d, "a").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
             EXPECT_EQ(blockAt(d, "b").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
         }},
        {"tabs_and_line_spacing", R"({\rtf1\tqr\tx720\tx1440\sl276\slmult1 a\tab b\par})", "a\tb",
         [](const QTextDocument &d) {
             const QTextBlockFormat f = blockAt(d, "a");
             ASSERT_EQ(f.tabPositions().size(), 2);
             EXPECT_EQ(f.tabPositions().at(0).position, 48);
             EXPECT_EQ(f.tabPositions().at(0).type, QTextOption::RightTab);
             EXPECT_EQ(f.tabPositions().at(1).type, QTextOption::LeftTab);
             EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::ProportionalHeight);
             EXPECT_EQ(f.lineHeight(), 115);
         }},
        {"hanging_indent_is_a_tab_stop", R"({\rtf1\deftab360\li720\fi-360 \'b7\tab a\par\li1440\fi-720\tx360\tx2160 \tab b\par})",
         "\xC2\xB7\ta\n\tb",
         [](const QTextDocument &d) {
             const auto stops = [](const QTextBlockFormat &f) {
                 QList<qreal> out;
                 for (const auto &tab : f.tabPositions())
                     out.append(tab.position);
                 return out;
             };
             EXPECT_EQ(stops(blockAt(d, "a")), QList<qreal>{24});
             EXPECT_EQ(stops(blockAt(d, "b")), (QList<qreal>{48, 96}));
             EXPECT_EQ(d.defaultTextOption().tabStopDistance(), 24);
         }},
        {"table_cells", R"({\rtf1\trowd\cellx1000\cellx2000 A\cell B\par\cell\row\trowd\cell C\cell\row})", "A\tB\n\tC",
         [](const QTextDocument &d) {
             const QTextTable *t = expectTable(d, {{"A", "B"}, {"", "C"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(columnWidths(*t), (QList<qreal>{1000 / 15.0, 1000 / 15.0}));
         }},
        // The shape of the guides' share table: centred rows, bordered, bold header, centred cells.
        {"table_borders_alignment_and_widths",
         "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}Before\\par\n"
         "\\trowd\\trgaph108\\trqc\\trkeep\\trhdr\\clvertalc\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
         "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx1300\\clbrdrb\\brdrdb\\brdrw30\\brdrcf1\\cellx5000\n"
         "\\pard\\intbl\\qc{\\b Slider}\\cell\n\\pard\\intbl\\qr{\\b Share}\\cell\n\\row\n"
         "\\trowd\\trgaph108\\trqc\\clbrdrt\\brdrs\\cellx1300\\cellx5000\n"
         "\\pard\\intbl\\qc 20\\cell\\pard\\intbl 1 in 5\\cell\\row\n"
         "\\pard\\sa120 After\\par}",
         "Before\nSlider\tShare\n20\t1 in 5\nAfter",
         [](const QTextDocument &d) {
             QTextTable *t = expectTable(d, {{"Slider", "Share"}, {"20", "1 in 5"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(t->format().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
             EXPECT_TRUE(t->format().borderCollapse());
             EXPECT_EQ(columnWidths(*t), (QList<qreal>{1300 / 15.0, 3700 / 15.0}));
             const QTextTableCellFormat a = t->cellAt(0, 0).format().toTableCellFormat();
             EXPECT_EQ(a.topBorder(), 1);
             EXPECT_EQ(a.leftBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
             EXPECT_EQ(a.rightBorderBrush().color(), QColor(Qt::black));
             EXPECT_EQ(a.bottomBorder(), 1);
             EXPECT_EQ(a.verticalAlignment(), QTextCharFormat::AlignMiddle);
             EXPECT_EQ(a.leftPadding(), 108 / 15.0);
             const QTextTableCellFormat b = t->cellAt(0, 1).format().toTableCellFormat();
             EXPECT_EQ(b.bottomBorderStyle(), QTextFrameFormat::BorderStyle_Double);
             EXPECT_EQ(b.bottomBorder(), 3);
             EXPECT_EQ(b.bottomBorderBrush().color(), QColor(0, 0, 255));
             EXPECT_EQ(b.topBorder(), 0);
             EXPECT_EQ(b.verticalAlignment(), QTextCharFormat::AlignNormal);
             EXPECT_EQ(t->cellAt(1, 0).format().toTableCellFormat().topBorder(), 1);
             EXPECT_EQ(t->cellAt(1, 1).format().toTableCellFormat().topBorder(), 0);
             EXPECT_EQ(blockAt(d, "Slider").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
             EXPECT_EQ(blockAt(d, "Share").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
             EXPECT_EQ(blockAt(d, "1 in 5").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
             EXPECT_EQ(formatAt(d, "Slider").fontWeight(), QFont::Bold);
             EXPECT_EQ(formatAt(d, "20").fontWeight(), QFont::Normal);
             EXPECT_EQ(blockAt(d, "After").bottomMargin(), 8);
         }},
        {"table_row_aligned_right", R"({\rtf1\trowd\trqr\cellx500 r\cell\row})", "r",
         [](const QTextDocument &d) {
             const QTextTable *t = expectTable(d, {{"r"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(t->format().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
         }},
        {"table_cell_paragraphs", R"({\rtf1\trowd\cellx900\cellx1800\pard\intbl one\par\qc two\cell\pard\intbl\par three\cell\row})",
         "one\ntwo\t\nthree",
         [](const QTextDocument &d) {
             expectTable(d, {{"one\ntwo", "\nthree"}});
             EXPECT_EQ(blockAt(d, "one").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
             EXPECT_EQ(blockAt(d, "two").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
         }},
        {"table_cell_with_link",
         R"({\rtf1\trowd\cellx900 {\field{\*\fldinst HYPERLINK "https://example.org"}{\fldrslt site}}\cell\row})", "site",
         [](const QTextDocument &d) {
             expectTable(d, {{"site"}});
             EXPECT_EQ(formatAt(d, "site").anchorHref(), "https://example.org");
         }},
        {"table_in_table_read_as_text_in_its_cell",
         R"({\rtf1\trowd\cellx4000\cellx8000\pard\intbl\itap2 in1\nestcell in2\nestcell)"
         R"({\*\nesttableprops\trowd\clbrdrt\brdrs\cellx500\cellx1000\nestrow}{\nonesttables\par})"
         R"(\pard\intbl\itap2 in3\nestcell in4\nestcell{\*\nesttableprops\trowd\cellx500\cellx1000\nestrow})"
         R"({\nonesttables\par}\pard\intbl\itap1 outer\cell right\cell)"
         R"(\pard\intbl\trowd\clbrdrt\brdrs\cellx4000\cellx8000\row})",
         "in1\tin2\nin3\tin4\nouter\tright",
         [](const QTextDocument &d) {
             const QTextTable *t = expectTable(d, {{"in1\tin2\nin3\tin4\nouter", "right"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(columnWidths(*t), (QList<qreal>{4000 / 15.0, 4000 / 15.0}));
             EXPECT_EQ(t->cellAt(0, 0).format().toTableCellFormat().topBorder(), 1);
         }},
        {"tables_in_groups_and_between_paragraphs",
         R"({\rtf1 a\par{\trowd\cellx500 b\cell\row}c\par{\trowd\cellx500\intbl d\cell\row}})", "a\nb\nc\nd",
         [](const QTextDocument &d) { EXPECT_EQ(tables(d).size(), 2u); }},
        {"cell_and_row_outside_any_table_are_tabs_and_lines", R"({\rtf1 a\cell b\cell\row c})", "a\tb\nc",
         [](const QTextDocument &d) { EXPECT_TRUE(tables(d).empty()); }},

        // Damaged documents read as far as they go
        {"missing_closing_braces", R"({\rtf1{\b bold)", "bold",
         [](const QTextDocument &d) { EXPECT_EQ(formatAt(d, "bold").fontWeight(), QFont::Bold); }, ReadError::Unbalanced},
        {"extra_closing_brace_at_end", "{\\rtf1 a}}\r\n", "a", {}, ReadError::Unbalanced},
        {"extra_closing_brace_inside", R"({\rtf1 a\b} b})", "a b", {}, ReadError::Unbalanced},
        {"nesting_too_deep", deep, "ab", {}, ReadError::TooDeep},
        {"nesting_too_deep_never_closed", "{\\rtf1 a" + QByteArray(100000, '{'), "a", {}, ReadError::TooDeep},
        // Damaged tables show every word.
        {"row_without_cells", R"({\rtf1 a\par\trowd\cellx500\row\trowd\row b})", "a\nb",
         [](const QTextDocument &d) { EXPECT_TRUE(tables(d).empty()); }},
        {"row_of_text_without_cell_marks", R"({\rtf1\trowd\cellx500 a\par b\row c})", "a\nb\nc",
         [](const QTextDocument &d) { expectTable(d, {{"a\nb"}}); }},
        {"more_cells_than_cellx", R"({\rtf1\trowd\cellx500 a\cell b\cell c\cell\row\trowd\cellx500 d\cell\row})",
         "a\tb\tc\nd\t\t", [](const QTextDocument &d) { expectTable(d, {{"a", "b", "c"}, {"d", "", ""}}); }},
        {"row_wider_than_the_rows_before", R"({\rtf1\trowd\cellx500 a\cell b\cell\row\intbl x\cell y\cell z\cell\row})",
         "a\tb\t\nx\ty\tz",
         [](const QTextDocument &d) {
             const QTextTable *t = expectTable(d, {{"a", "b", ""}, {"x", "y", "z"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(columnWidths(*t), (QList<qreal>{500 / 15.0, -1, -1}));
         }},
        {"table_open_at_end", R"({\rtf1\trowd\cellx500\cellx900 a\cell b)", "a\tb",
         [](const QTextDocument &d) { expectTable(d, {{"a", "b"}}); }, ReadError::Unbalanced},
        {"table_open_at_end_of_group", R"({\rtf1{\trowd\cellx500\intbl a\cell b}})", "a\tb",
         [](const QTextDocument &d) { expectTable(d, {{"a", "b"}}); }},
        {"huge_and_negative_cellx", R"({\rtf1\trowd\trleft-99999999999\cellx-500\cellx-900\cellx99999999999 a\cell b\cell c\cell\row})",
         "a\tb\tc",
         [](const QTextDocument &d) {
             const QTextTable *t = expectTable(d, {{"a", "b", "c"}});
             ASSERT_TRUE(t);
             EXPECT_EQ(columnWidths(*t), (QList<qreal>{59500 / 15.0, -1, 4000}));
         }},
        {"hidden_cells_left_out", R"({\rtf1\trowd\cellx500\cellx900 a\cell{\v b\cell}c\cell\row})", "a\tc",
         [](const QTextDocument &d) { expectTable(d, {{"a", "c"}}); }},
        {"cells_in_skipped_groups", R"({\rtf1{\header\trowd\cellx500 h\cell\row}{\*\nesttableprops x\cell}a})", "a",
         [](const QTextDocument &d) { EXPECT_TRUE(tables(d).empty()); }},

        // Limits: the rest of a document too long for the text engine is left out.
        {"too_many_paragraphs", R"({\rtf1 a\par b\par c\par d\par e})", "a\nb\nc", {}, ReadError::TooLong,
         Limits{.paragraphs = 3}},
        {"too_many_table_cells", R"({\rtf1 a\par\trowd\cellx500\cellx900 b\cell c\cell\row\intbl d\cell e\cell\row f})",
         "a\nb\tc", {}, ReadError::TooLong, Limits{.paragraphs = 4}},
        {"too_many_formats", R"({\rtf1 a{\b b}{\i c}{\ul d}e})", "ab", {}, ReadError::TooLong, Limits{.formats = 2}},
        {"blank_after_end", QByteArray("{\\rtf1 a}\r\n\0\0", 13), "a"},
        {"bom_and_blank_before_start", "\xEF\xBB\xBF \r\n{\\rtf1 a}", "a"},
    };
}

class RtfCase : public testing::TestWithParam<Case> {};

TEST_P(RtfCase, ReadsTextAndFormats)
{
    const Case &c = GetParam();
    QTextDocument doc;
    const ReadResult result = read(c.rtf, doc, c.limits);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(plainText(doc), QString::fromUtf8(c.text));
    EXPECT_EQ(result.code, c.damage) << qPrintable(result.error);
    EXPECT_EQ(result.damaged, c.damage != ReadError::None);
    if (result.damaged) {
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_GE(result.position, 0);
        EXPECT_LE(result.position, c.rtf.size());
    }
    if (c.check)
        c.check(doc);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RtfCase, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case> &row) { return std::string(row.param.name); });

struct ErrorCase {
    const char *name;
    QByteArray bytes;
    ReadError code;
    qsizetype position;
};

void PrintTo(const ErrorCase &c, std::ostream *os) { *os << c.name; }

class RtfError : public testing::TestWithParam<ErrorCase> {};

TEST_P(RtfError, IsReportedAndLeavesDocumentEmpty)
{
    const ErrorCase &c = GetParam();
    QTextDocument doc;
    doc.setPlainText("previous document");
    const ReadResult result = read(c.bytes, doc);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.position, c.position);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(doc.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Errors, RtfError,
                         testing::Values(ErrorCase{"empty", "", ReadError::Empty, 0},
                                         ErrorCase{"only_blank", " \r\n\t", ReadError::Empty, 0},
                                         ErrorCase{"plain_text", "Hello", ReadError::NotRtf, 0},
                                         ErrorCase{"html", "\n<html>{\\rtf1}</html>", ReadError::NotRtf, 1},
                                         ErrorCase{"cut_header", "{\\rt", ReadError::NotRtf, 0},
                                         ErrorCase{"group_without_rtf", "  {\\ansi hello}", ReadError::NotRtf, 2}),
                         [](const testing::TestParamInfo<ErrorCase> &row) { return std::string(row.param.name); });

TEST(RtfTable, CellsPastTheColumnCapShareTheLastColumnAndLongTablesGoOn)
{
    QTextDocument doc;
    ReadResult r = read("{\\rtf1\\trowd" + QByteArray("\\cellx100").repeated(3000) + QByteArray("x\\cell ").repeated(3000)
                            + "\\row}",
                        doc);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    std::vector<QTextTable *> all = tables(doc);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0]->columns(), maxTableColumns);
    EXPECT_EQ(all[0]->format().columnWidthConstraints().size(), maxTableColumns);
    EXPECT_EQ(plainText(doc).count(u'x'), 3000);
    EXPECT_EQ(cells(*all[0])[0].back(), QString("x\t").repeated(3000 - maxTableColumns) + "x");

    r = read("{\\rtf1" + QByteArray("\\trowd\\cellx100\\intbl r\\cell\\row").repeated(2500) + "}", doc);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    QStringList lines;  // a new table every 1000 rows, after the paragraph that ends the one before
    for (int i = 0; i < 2500; ++i) {
        if (i > 0 && i % 1000 == 0)
            lines.append("");
        lines.append("r");
    }
    EXPECT_EQ(plainText(doc), lines.join(u'\n'));
    EXPECT_EQ(tables(doc).size(), 3u);
}

TEST(RtfDamageNote, StandsAboveADocumentThatBeginsWithATable)
{
    QTextDocument doc;
    const ReadResult r = read(R"({\rtf1\trowd\cellx900\cellx1800 a\cell b\cell\row after)", doc);
    ASSERT_TRUE(r.damaged);
    addDamageNote(doc, r.error);
    EXPECT_EQ(plainText(doc), r.error + "\na\tb\nafter");
    ASSERT_EQ(tables(doc).size(), 1u);
    EXPECT_EQ(cells(*tables(doc).front()), (std::vector<QStringList>{{"a", "b"}}));
}

TEST(RtfFile, MissingFolderAndForeignFilesAreReportedByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument doc;

    const QString missing = dir.filePath("licence.rtf");
    ReadResult r = readFile(missing, doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.code, ReadError::FileMissing);
    EXPECT_TRUE(r.error.contains(missing)) << qPrintable(r.error);

    r = readFile(dir.path(), doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.code, ReadError::FileUnreadable);

    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just text");
    text.close();
    r = readFile(text.fileName(), doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.code, ReadError::NotRtf);
    EXPECT_TRUE(r.error.contains("notes.txt")) << qPrintable(r.error);

    QFile huge(dir.filePath("huge.rtf"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("{\\rtf1 ");
    ASSERT_TRUE(huge.resize(maxFileSize + 1));  // sparse: nothing is written
    huge.close();
    r = readFile(huge.fileName(), doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.code, ReadError::FileTooLarge);
    EXPECT_TRUE(r.error.contains("huge.rtf")) << qPrintable(r.error);

    QFile cut(dir.filePath("cut.rtf"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("{\\rtf1 half a docu");
    cut.close();
    r = readFile(cut.fileName(), doc);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.damaged);
    EXPECT_TRUE(r.error.contains("cut.rtf")) << qPrintable(r.error);
    EXPECT_EQ(plainText(doc), "half a docu");
}

TEST(RtfRead, ReplacesThePreviousDocumentAndItsPictures)
{
    QTextDocument doc;
    const QByteArray png = encodedImage("png", QSize(4, 2));
    ASSERT_TRUE(read("{\\rtf1 first{\\pict\\pngblip " + png.toHex() + "}}", doc).ok);
    ASSERT_FALSE(doc.resource(QTextDocument::ImageResource, QUrl("rtfimage:1")).isNull());
    ASSERT_TRUE(read("{\\rtf1 second}", doc).ok);
    EXPECT_EQ(plainText(doc), "second");
    EXPECT_TRUE(doc.resource(QTextDocument::ImageResource, QUrl("rtfimage:1")).isNull());
}

TEST(RtfCodePages, OwnTablesAgreeWithTheRegisteredCodecsWhereQtHasThem)
{
    // Qt may offer these code pages through ICU; where it does, the reader's own tables must agree.
    // (ICU's IBM437 and IBM850 differ from Windows' own at a few bytes, so they are not compared.)
    const std::pair<int, const char *> pages[] = {{1250, "windows-1250"}, {1251, "windows-1251"},
                                                  {1252, "windows-1252"}, {10000, "macintosh"}};
    QByteArray high;
    for (int b = 0x80; b < 0x100; ++b)
        high.append(char(b));
    int compared = 0;
    for (const auto &[page, name] : pages) {
        QStringDecoder codec(name);
        if (!codec.isValid())
            continue;
        ++compared;
        const QString expected = codec(high);
        const QString ours = decode(high, page);
        ASSERT_EQ(ours.size(), expected.size()) << page;
        for (qsizetype i = 0; i < ours.size(); ++i) {
            if (ours.at(i) == QChar(0xFFFD))
                continue;  // bytes the page leaves undefined
            EXPECT_EQ(ours.at(i), expected.at(i)) << page << " byte " << std::hex << int(0x80 + i);
        }
    }
    if (compared == 0)
        GTEST_SKIP() << "this Qt offers none of these codecs";
}

TEST(RtfCodePages, DoubleByteCodePagesWhereQtOffersThem)
{
    if (!isKnownCodePage(932))
        GTEST_SKIP() << "this Qt offers no Shift-JIS codec";
    QTextDocument doc;
    ASSERT_TRUE(read(R"({\rtf1{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0 \'82\'a0\'83N})", doc).ok);
    EXPECT_EQ(plainText(doc), QString::fromUtf8("\xE3\x81\x82\xE3\x82\xAF"));
}

// Pictures

struct PictureDoc {
    QTextDocument doc;
    ReadResult result;
    std::vector<QTextImageFormat> images;
};

void readPictures(const QByteArray &rtf, PictureDoc &out)
{
    out.result = read(rtf, out.doc);
    for (QTextBlock b = out.doc.begin(); b != out.doc.end(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                for (int i = 0; i < it.fragment().length(); ++i)
                    out.images.push_back(it.fragment().charFormat().toImageFormat());
}

QImage resourceImage(const QTextDocument &doc, const QTextImageFormat &f)
{
    return doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
}

TEST(RtfPicture, PngAndJpegAreShownAtTheirGoalSizeTimesScale)
{
    const QByteArray png = encodedImage("png", QSize(4, 2), Qt::red);
    const QByteArray jpeg = encodedImage("jpeg", QSize(8, 8), Qt::blue);
    struct Row {
        const char *name;
        QByteArray pict;
        QSize shown;
        QSize stored;
    } rows[] = {
        {"goal", "\\pngblip\\picw4\\pich2\\picwgoal300\\pichgoal150 " + png.toHex(), {20, 10}, {4, 2}},
        {"goal_and_scale", "\\pngblip\\picwgoal300\\pichgoal150\\picscalex50\\picscaley200 " + png.toHex(), {10, 20}, {4, 2}},
        {"pixels_and_scale", "\\pngblip\\picw4\\pich2\\picscalex200\\picscaley300 " + png.toHex(), {8, 6}, {4, 2}},
        {"natural_size", "\\pngblip " + png.toHex(), {4, 2}, {4, 2}},
        {"hex_broken_by_lines", "\\pngblip " + png.toHex().insert(10, "\r\n ").insert(40, "\n"), {4, 2}, {4, 2}},
        {"bin", "\\pngblip\\bin" + QByteArray::number(png.size()) + " " + png, {4, 2}, {4, 2}},
        {"jpeg", "\\jpegblip\\picwgoal120\\pichgoal120 " + jpeg.toHex(), {8, 8}, {8, 8}},
        {"huge_goal_capped", "\\pngblip\\picwgoal999999999\\pichgoal30 " + png.toHex(), {4000, 2}, {4, 2}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        PictureDoc d;
        readPictures("{\\rtf1 a{\\pict" + row.pict + "}b}", d);
        ASSERT_TRUE(d.result.ok);
        EXPECT_FALSE(d.result.damaged) << qPrintable(d.result.error);
        EXPECT_EQ(plainText(d.doc), QString("a") + QChar::ObjectReplacementCharacter + "b");
        ASSERT_EQ(d.images.size(), 1u);
        EXPECT_EQ(QSize(int(d.images[0].width()), int(d.images[0].height())), row.shown);
        const QImage image = resourceImage(d.doc, d.images[0]);
        EXPECT_EQ(image.size(), row.stored);
    }
}

TEST(RtfPicture, ShapePictureShownAndItsFallbackSkipped)
{
    const QByteArray png = encodedImage("png", QSize(3, 3), Qt::green);
    PictureDoc d;
    readPictures("{\\rtf1{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv x}}}{\\*\\blipuid 0123abc}\\pngblip " +
                     png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8\\picwgoal45\\pichgoal45 0102}}}",
                 d);
    ASSERT_EQ(d.images.size(), 1u);
    EXPECT_EQ(resourceImage(d.doc, d.images[0]).pixelColor(1, 1), QColor(Qt::green));
}

TEST(RtfPicture, OtherKindsAndUndecodablePicturesAreEmptyFramesOfTheirSize)
{
    const QByteArray png = encodedImage("png", QSize(20, 20));
    struct Row {
        const char *name;
        QByteArray rtf;
        QSize shown;
        ReadError damage;
    } rows[] = {
        {"wmf_goal", "{\\rtf1{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1500\\pichgoal750 0102}}", {100, 50},
         ReadError::None},
        {"emf_himetric", "{\\rtf1{\\pict\\emfblip\\picw2540\\pich1270 0102}}", {96, 48}, ReadError::None},
        {"png_cut_short", "{\\rtf1{\\pict\\pngblip\\picwgoal300\\pichgoal300 " + png.toHex().left(60) + "}}", {20, 20},
         ReadError::BadPicture},
        {"png_odd_hex_digit", "{\\rtf1{\\pict\\pngblip\\picwgoal300\\pichgoal300 " + png.toHex() + "a}}", {20, 20},
         ReadError::None},
        {"png_garbage", "{\\rtf1{\\pict\\pngblip\\picwgoal150\\pichgoal150 00112233zz}}", {10, 10},
         ReadError::BadPicture},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        PictureDoc d;
        readPictures(row.rtf, d);
        ASSERT_TRUE(d.result.ok);
        EXPECT_EQ(d.result.code, row.damage) << qPrintable(d.result.error);
        ASSERT_EQ(d.images.size(), 1u);
        EXPECT_EQ(QSize(int(d.images[0].width()), int(d.images[0].height())), row.shown);
        EXPECT_FALSE(resourceImage(d.doc, d.images[0]).isNull());
    }
}

TEST(RtfPicture, PictureWithoutAnySizeOrDataIsLeftOut)
{
    PictureDoc d;
    readPictures("{\\rtf1 a{\\pict\\wmetafile8}b}", d);
    EXPECT_TRUE(d.result.ok);
    EXPECT_EQ(plainText(d.doc), "ab");
}

// Files made by real word processors

TEST(RtfWriters, LibreOfficeDocument)
{
    QTextDocument doc;
    const ReadResult r = readFile(fixture("libreoffice.rtf"), doc);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    const QString text = plainText(doc);
    EXPECT_EQ(text, QString::fromUtf8("Numora Guide\n"
                                      "This is bold and italic and red text.\n"
                                      "An accented word: caf\xC3\xA9, na\xC3\xAFve, \xC3\x86r\xC3\xB8, \xC5\x81\xC3\xB3" "d\xC5\xBA.\n"
                                      "Cell A1\tCell B1\nCell A2\tCell B2\n"
                                      "Picture: \xEF\xBF\xBC\n"
                                      "\xE2\x80\xA2\tFirst item\n\xE2\x80\xA2\tSecond item\n"
                                      "End."));
    EXPECT_EQ(formatAt(doc, "Numora Guide").fontPointSize(), 24);
    EXPECT_EQ(formatAt(doc, "Numora Guide").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(doc, "italic").fontItalic());
    EXPECT_EQ(formatAt(doc, "red text").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(doc, "bold").fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    PictureDoc d;
    readPictures(readFixture("libreoffice.rtf"), d);
    ASSERT_EQ(d.images.size(), 1u);
    EXPECT_EQ(QSize(int(d.images[0].width()), int(d.images[0].height())), QSize(24, 16));
    EXPECT_EQ(resourceImage(d.doc, d.images[0]).size(), QSize(12, 8));
}

TEST(RtfWriters, PandocDocument)
{
    QTextDocument doc;
    const ReadResult r = readFile(fixture("pandoc.rtf"), doc);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    EXPECT_EQ(plainText(doc), QString::fromUtf8("Numora Guide\n"
                                                "This is bold and italic text, and a link.\n"
                                                "An accented word: caf\xC3\xA9, na\xC3\xAFve, \xC5\x81\xC3\xB3" "d\xC5\xBA, "
                                                "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 and an emoji \xF0\x9F\x98\x80.\n"
                                                "Lottery\tBalls\n6/49\t49\nSuper 7\t47\n\n"
                                                "\xE2\x80\xA2\tFirst item\n\xE2\x80\xA2\tSecond item\n"
                                                "Second heading\nEnd."));
    EXPECT_EQ(formatAt(doc, "Numora Guide").fontPointSize(), 18);
    EXPECT_EQ(formatAt(doc, "link").anchorHref(), "https://example.org/numora");
    EXPECT_EQ(blockAt(doc, "First item").textIndent(), -24);
}

// The same small table (a header row, a centred and a right-aligned column, a cell of two lines
// and one of two paragraphs), written by LibreOffice Writer from HTML and by pandoc from Markdown.
TEST(RtfWriters, LibreOfficeTable)
{
    QTextDocument doc;
    const ReadResult r = readFile(fixture("libreoffice-table.rtf"), doc);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    EXPECT_EQ(plainText(doc), QString::fromUtf8("Shares of lucky numbers\n"
                                                "Slider\tLucky numbers\n0\tnone\n20\tone in five\xE2\x80\xA8on average\n"
                                                "90\tnine in ten\na little less\n"
                                                "End of the table."));
    QTextTable *t = expectTable(doc, {{"Slider", "Lucky numbers"},
                                      {"0", "none"},
                                      {"20", QString::fromUtf8("one in five\xE2\x80\xA8on average")},
                                      {"90", "nine in ten\na little less"}});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->format().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(columnWidths(*t), (QList<qreal>{1554 / 15.0, (4500 - 1554) / 15.0}));
    const QTextTableCellFormat head = t->cellAt(0, 0).format().toTableCellFormat();
    EXPECT_EQ(head.topBorder(), 1);
    EXPECT_EQ(head.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
    EXPECT_EQ(head.topBorderBrush().color(), QColor(128, 128, 128));
    EXPECT_EQ(head.leftBorder(), 1);
    EXPECT_EQ(head.verticalAlignment(), QTextCharFormat::AlignMiddle);
    EXPECT_EQ(t->cellAt(1, 0).format().toTableCellFormat().topBorder(), 0);
    EXPECT_EQ(t->cellAt(3, 1).format().toTableCellFormat().bottomBorder(), 1);
    EXPECT_EQ(formatAt(doc, "Slider").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(doc, "nine").fontWeight(), QFont::Normal);
    EXPECT_EQ(blockAt(doc, "Slider").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockAt(doc, "20").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockAt(doc, "none").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(blockAt(doc, "a little less").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfWriters, PandocTable)
{
    QTextDocument doc;
    const ReadResult r = readFile(fixture("pandoc-table.rtf"), doc);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_FALSE(r.damaged) << qPrintable(r.error);
    EXPECT_EQ(plainText(doc), QString::fromUtf8("Shares of lucky numbers\n"
                                                "Slider\tLucky numbers\n0\tnone\n20\tone in five\n90\tnine in ten\n"
                                                "The share table\nEnd of the table."));
    QTextTable *t = expectTable(doc, {{"Slider", "Lucky numbers"}, {"0", "none"}, {"20", "one in five"}, {"90", "nine in ten"}});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->format().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(columnWidths(*t), (QList<qreal>{4320 / 15.0, 4320 / 15.0}));
    const QTextTableCellFormat head = t->cellAt(0, 1).format().toTableCellFormat();
    EXPECT_EQ(head.bottomBorder(), 1);
    EXPECT_EQ(head.topBorder(), 0);
    EXPECT_EQ(head.leftPadding(), 8);
    EXPECT_EQ(t->cellAt(1, 1).format().toTableCellFormat().bottomBorder(), 0);
    EXPECT_EQ(blockAt(doc, "Slider").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockAt(doc, "none").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(formatAt(doc, "nine").fontItalic());
}

// Hand-written in the shape Word, WordPad and TextEdit give their files.
TEST(RtfWriters, WordWordPadAndTextEditShapes)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        const char *text;
    } rows[] = {
        {"word",
         R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff31507\deff0\stshfdbch31505\deflang1033{\fonttbl)"
         R"({\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;})"
         R"({\f3\fbidi \froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}}{\colortbl;\red0\green0\blue0;})"
         R"({\*\defchp \fs22\lang1033 }{\stylesheet{\ql \li0\ri0 \snext0 Normal;}{\*\cs10 \additive Default Paragraph Font;}})"
         R"({\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f3}{\listname ;}\listid1}})"
         R"({\*\listoverridetable{\listoverride\listid1\ls1}}{\*\rsidtbl \rsid123}{\mmathPr\mmathFont34}{\info{\title Guide})"
         R"({\author Someone}{\creatim\yr2024}}{\*\xmlnstbl {\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}})"
         "\\paperw12240\\paperh15840{\\*\\ftnsep \\chftnsep }\\pard\\plain \\ltrpar\\qc \\li0\\ri0\\rtlch\\fcs1 \\af0 "
         "\\ltrch\\fcs0 \\fs22\\insrsid123 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\b\\insrsid123 Heading}{\\rtlch\\fcs1 \\af0 "
         "\\ltrch\\fcs0 \\insrsid123 \\par }{\\listtext\\pard\\plain\\ltrpar \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\f3\\insrsid123 "
         "\\loch\\af3\\dbch\\af0\\hich\\f3 \\'b7\\tab}\\ls1 Item \\'93quoted\\'94 caf\\'e9\\par "
         R"({\*\themedata 504b0304}{\*\colorschememapping 3c3f}{\*\latentstyles\lsdstimax376{\lsdlockedexcept \lsdpriority0 Normal;}})"
         R"({\*\datastore 0105000002000000}})",
         "Heading\n\xE2\x80\xA2\tItem \xE2\x80\x9Cquoted\xE2\x80\x9D caf\xC3\xA9"},
        {"wordpad",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
         "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 "
         "Hello \\b bold\\b0  na\\'efve\\par\r\n}\r\n",
         "Hello bold na\xC3\xAFve"},
        {"textedit",
         "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2709\n\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 "
         "Helvetica;}\n{\\colortbl;\\red255\\green255\\blue255;}\n{\\*\\expandedcolortbl;;}\n\\paperw11900\\paperh16840"
         "\\margl1440\\margr1440\\vieww11520\\viewh8400\\viewkind0\n\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n"
         "\n\\f0\\fs24 \\cf0 First line caf\\'e9\\\nSecond \\uc0\\u8364  line}",
         "First line caf\xC3\xA9\nSecond \xE2\x82\xAC line"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTextDocument doc;
        const ReadResult r = read(row.rtf, doc);
        ASSERT_TRUE(r.ok);
        EXPECT_FALSE(r.damaged) << qPrintable(r.error);
        EXPECT_EQ(plainText(doc), QString::fromUtf8(row.text));
    }
}

} // namespace
