#include "help/documentview.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace numora {

namespace {

struct LineExtent
{
    qreal top;
    qreal bottom;
};

// The top and bottom of every laid-out line, in document pixels: the lines of each paragraph,
// table cells included, and the picture lines among them.
std::vector<LineExtent> lineExtents(const QTextDocument &doc)
{
    std::vector<LineExtent> lines;
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *text = block.layout();
        if (!text || !block.isVisible())
            continue;
        // The block's rectangle starts at its layout's position in the document, which is
        // where its lines are measured from.
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QRectF line = text->lineAt(i).rect().translated(origin);
            lines.push_back({line.top(), line.bottom()});
        }
    }
    return lines;
}

constexpr qreal kNone = std::numeric_limits<qreal>::quiet_NaN();

} // namespace

DocumentView::DocumentView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

int DocumentView::pageTarget(int from, bool down) const
{
    const QScrollBar *bar = verticalScrollBar();
    const qreal height = viewport()->height();
    const qreal v = from;
    const qreal edge = down ? v + height : v;
    const qreal fallback = height - fontMetrics().lineSpacing();
    const std::vector<LineExtent> lines = lineExtents(*document());

    // The nearest line not seen whole beyond the edge the view moves towards (the one the edge
    // cuts, or else the next one), and the whole line on this side of it.
    qreal cut = kNone;
    for (const LineExtent &line : lines) {
        if (down && line.bottom > edge && line.top > v)
            cut = std::isnan(cut) ? line.top : std::min(cut, line.top);
        if (!down && line.top < edge && line.bottom < v + height)
            cut = std::isnan(cut) ? line.bottom : std::max(cut, line.bottom);
    }
    qreal before = kNone;
    if (!std::isnan(cut)) {
        for (const LineExtent &line : lines) {
            if (down && line.top > v && line.top < cut && line.bottom <= v + height)
                before = std::isnan(before) ? line.top : std::max(before, line.top);
            if (!down && line.bottom < v + height && line.bottom > cut && line.top >= v)
                before = std::isnan(before) ? line.bottom : std::min(before, line.bottom);
        }
    }

    // The distance moved; less than half a view means a line (a picture) nearly as tall as the
    // view stands at the edge, and the view then moves by itself less one line of text.
    auto distance = [&](qreal mark) {
        if (std::isnan(mark))
            return qreal(0);
        return down ? mark - v : v - (mark - height);
    };
    qreal step = distance(before);
    if (step < height / 2)
        step = distance(cut);
    if (step < height / 2)
        step = fallback;
    step = std::max(step, qreal(1));

    const int target = down ? int(std::floor(v + step)) : int(std::ceil(v - step));
    return std::clamp(target, bar->minimum(), bar->maximum());
}

void DocumentView::keyPressEvent(QKeyEvent *event)
{
    const bool down = event->matches(QKeySequence::MoveToNextPage)
                      || event->matches(QKeySequence::SelectNextPage);
    const bool up = event->matches(QKeySequence::MoveToPreviousPage)
                    || event->matches(QKeySequence::SelectPreviousPage);
    if (!down && !up) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const bool select = event->matches(QKeySequence::SelectNextPage)
                        || event->matches(QKeySequence::SelectPreviousPage);
    page(down, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    event->accept();
}

void DocumentView::page(bool down, QTextCursor::MoveMode mode)
{
    QScrollBar *bar = verticalScrollBar();
    const int from = bar->value();
    const int to = pageTarget(from, down);
    QTextCursor cursor = textCursor();
    if (to == from) {
        // Already at the end the key points to: the cursor goes there too.
        cursor.movePosition(down ? QTextCursor::End : QTextCursor::Start, mode);
        setTextCursor(cursor);
        return;
    }

    // The cursor keeps its place in the view, on the nearest line seen whole there.
    const QRect rect = cursorRect(cursor);
    const int x = std::clamp(rect.center().x(), 0, std::max(0, viewport()->width() - 1));
    const qreal wanted = std::clamp(rect.center().y(), 0, viewport()->height() - 1) + to;
    qreal y = wanted;
    qreal nearest = std::numeric_limits<qreal>::max();
    for (const LineExtent &line : lineExtents(*document())) {
        const qreal middle = (line.top + line.bottom) / 2;
        if (line.top >= to && line.bottom <= to + viewport()->height()
            && std::abs(middle - wanted) < nearest) {
            nearest = std::abs(middle - wanted);
            y = middle;
        }
    }
    const QPointF at(x + horizontalScrollBar()->value(), y);
    const int position = document()->documentLayout()->hitTest(at, Qt::FuzzyHit);
    if (position >= 0)
        cursor.setPosition(position, mode);
    // Setting the cursor scrolls to it from where the view stands; the view then takes its
    // place, where the cursor is in sight.
    setTextCursor(cursor);
    bar->setValue(to);
}

} // namespace numora
