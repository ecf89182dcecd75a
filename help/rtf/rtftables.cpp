#include "rtftables.h"

#include "rtfreader.h"

#include <algorithm>
#include <cmath>

namespace numora::rtf {

namespace {
constexpr int maxBorderTwips = 255;
} // namespace

// Row definition words. They describe the row that follows them (or, as some writers put them,
// the row they end); the definition stays in force until the next \trowd.
void applyRowWord(RowDef &def, const Keyword &entry, int param)
{
    const int p = param;
    switch (entry.kw) {
    case Kw::RowDefaults:
        def = RowDef{};
        break;
    case Kw::CellX:
        if (def.cells.size() < size_t(maxTableColumns)) {
            def.next.right = std::clamp(p, -maxTwips, maxTwips);
            def.cells.push_back(def.next);
        }
        def.next = CellDef{};
        def.border = -1;
        break;
    case Kw::CellBorderSide:
        def.border = entry.ch;
        def.next.borders[entry.ch] = CellBorder{};
        break;
    case Kw::OtherBorder: def.border = -1; break;
    case Kw::BorderStyle:
        if (def.border >= 0)
            def.next.borders[def.border].style = QTextFrameFormat::BorderStyle(entry.ch);
        break;
    case Kw::BorderWidth:
        if (def.border >= 0)
            def.next.borders[def.border].width = std::clamp(p, 0, maxBorderTwips);
        break;
    case Kw::BorderColor:
        if (def.border >= 0)
            def.next.borders[def.border].color = p;
        break;
    case Kw::RowAlign: def.align = Align(entry.ch); break;
    case Kw::RowLeft: def.left = std::clamp(p, -maxTwips, maxTwips); break;
    case Kw::RowGap: def.gap = std::clamp(p, 0, maxTwips / 100); break;
    case Kw::CellVertical: def.next.vertical = qint8(int(entry.ch) - 1); break;
    default: break;
    }
}

QTextLength columnWidth(const RowDef &def, size_t column)
{
    const int left = column == 0 ? def.left : def.cells[column - 1].right;
    const qint64 width = qint64(def.cells[column].right) - left;
    return width > 0 ? QTextLength(QTextLength::FixedLength, double(std::min<qint64>(width, maxTwips)) / twipsPerPixel)
                     : QTextLength();
}

Qt::Alignment rowAlignment(const RowDef &def)
{
    return def.align == Align::Center ? Qt::AlignHCenter : def.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
}

QTextTableCellFormat cellFormat(const CellDef &def, int gap, const FormatTables &formats)
{
    QTextTableCellFormat f;
    f.setLeftPadding(gap / twipsPerPixel);
    f.setRightPadding(gap / twipsPerPixel);
    f.setTopPadding(0);
    f.setBottomPadding(0);
    for (int side = 0; side < 4; ++side) {
        const CellBorder &b = def.borders[size_t(side)];
        if (b.style == QTextFrameFormat::BorderStyle_None)
            continue;
        double width = std::max(1.0, std::round(b.width / twipsPerPixel));
        if (b.style == QTextFrameFormat::BorderStyle_Double)
            width = std::max(width, 3.0);
        const QColor color = formats.color(b.color, Qt::black);
        switch (side) {
        case 0:
            f.setTopBorder(width);
            f.setTopBorderStyle(b.style);
            f.setTopBorderBrush(color);
            break;
        case 1:
            f.setLeftBorder(width);
            f.setLeftBorderStyle(b.style);
            f.setLeftBorderBrush(color);
            break;
        case 2:
            f.setBottomBorder(width);
            f.setBottomBorderStyle(b.style);
            f.setBottomBorderBrush(color);
            break;
        default:
            f.setRightBorder(width);
            f.setRightBorderStyle(b.style);
            f.setRightBorderBrush(color);
            break;
        }
    }
    if (def.vertical == 0)
        f.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (def.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignBottom);
    return f;
}

size_t cellFormatKey(const QTextTableCellFormat &f)
{
    return qHashMulti(0xce11, f.properties().size(), f.leftPadding(), f.topBorder(), f.leftBorder(), f.bottomBorder(),
                      f.rightBorder(), int(f.topBorderStyle()), int(f.leftBorderStyle()), int(f.bottomBorderStyle()),
                      int(f.rightBorderStyle()), f.topBorderBrush().color().rgba(), f.leftBorderBrush().color().rgba(),
                      f.bottomBorderBrush().color().rgba(), f.rightBorderBrush().color().rgba(),
                      int(f.verticalAlignment()));
}

} // namespace numora::rtf
