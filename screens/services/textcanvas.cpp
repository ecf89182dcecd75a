#include "screens/services/textcanvas.h"

#include "assets/pictures.h"
#include "screens/services/fonts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace numora {

TextCanvas::TextCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
        lower();
    }
}

void TextCanvas::setBackground(const QString &pictureName)
{
    m_background = pictureName;
    update();
}

void TextCanvas::printLine(const QStringList &items)
{
    Line line;
    line.font = printFont();
    const QFontMetrics metrics(line.font, this);
    line.height = numora::lineHeight(line.font, this);
    // A line lower than the font's ascent and descent gives up the room above the capitals,
    // so that the descenders stay inside it.
    line.ascent = std::min(metrics.ascent(), line.height - metrics.descent());
    line.top = m_lines.isEmpty() ? 0 : m_lines.last().top + m_lines.last().height;

    const int zone = zoneWidth(line.font);
    int x = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // The next zone boundary at or after the previous item's end, past its start.
            const int previous = line.xs.last();
            const int end = previous + metrics.horizontalAdvance(items[i - 1]);
            const int boundary = std::max((end + zone - 1) / zone, previous / zone + 1);
            x = boundary * zone;
        }
        line.xs.append(x);
    }
    line.items = items;
    m_lines.append(line);
    update();
}

void TextCanvas::clear()
{
    m_lines.clear();
    update();
}

void TextCanvas::setFontSize(qreal pointSize)
{
    m_pointSize = pointSize;
}

void TextCanvas::setBold(bool bold)
{
    m_bold = bold;
}

QFont TextCanvas::printFont() const
{
    QFont f = font();
    if (m_pointSize)
        f.setPointSizeF(*m_pointSize);
    if (m_bold)
        f.setBold(*m_bold);
    return f;
}

QList<QStringList> TextCanvas::lines() const
{
    QList<QStringList> result;
    for (const Line &line : m_lines)
        result.append(line.items);
    return result;
}

QFont TextCanvas::lineFont(int line) const
{
    return m_lines.value(line).font;
}

int TextCanvas::lineTop(int line) const
{
    return m_lines.value(line).top;
}

int TextCanvas::lineHeight(int line) const
{
    return m_lines.value(line).height;
}

int TextCanvas::baseline(int line) const
{
    const Line l = m_lines.value(line);
    return l.top + l.ascent;
}

int TextCanvas::itemX(int line, int item) const
{
    return m_lines.value(line).xs.value(item, -1);
}

int TextCanvas::zoneWidth(const QFont &font) const
{
    return std::max(1, kZoneChars * QFontMetrics(font, this).averageCharWidth());
}

void TextCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background.isEmpty())
        drawPicture(painter, QPoint(0, 0), m_background);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Line &line : m_lines) {
        painter.setFont(line.font);
        for (qsizetype i = 0; i < line.items.size(); ++i)
            painter.drawText(line.xs[i], line.top + line.ascent, line.items[i]);
    }
}

bool TextCanvas::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace numora
