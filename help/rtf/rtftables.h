#pragma once

// Table rows as RTF defines them (\trowd ... \cellx) and the formats they give a QTextTable.

#include "rtfformats.h"
#include "rtfkeywords.h"

#include <QTextFrameFormat>
#include <QTextLength>
#include <QTextTableCellFormat>

#include <array>
#include <vector>

namespace numora::rtf {

inline constexpr int defaultCellGap = 108;  // twips of space each side of a cell's text

struct CellBorder {
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    int width = 0;  // twips
    int color = 0;
};

// One cell of a row definition: its right edge and its borders (top, left, bottom, right).
struct CellDef {
    int right = 0;
    std::array<CellBorder, 4> borders{};
    qint8 vertical = -1;  // -1 top, 0 centre, 1 bottom
};

struct RowDef {
    std::vector<CellDef> cells;
    CellDef next;     // the cell being defined, up to its \cellx
    int border = -1;  // the side of `next` that border words set, -1 none
    Align align = Align::Left;
    int left = 0;
    int gap = defaultCellGap;
};

// Applies a row definition word (a word of WordGroup::RowDefinition) to def.
void applyRowWord(RowDef &def, const Keyword &entry, int param);

// The width of a column as def gives it; a variable width where def gives none that is positive.
QTextLength columnWidth(const RowDef &def, size_t column);

Qt::Alignment rowAlignment(const RowDef &def);

// The format of a cell of def's row; border colours are looked up in formats.
QTextTableCellFormat cellFormat(const CellDef &def, int gap, const FormatTables &formats);

// A key for counting different cell formats.
size_t cellFormatKey(const QTextTableCellFormat &f);

} // namespace numora::rtf
