#include "screens/services/textcanvas.h"

#include "assets/pictures.h"
#include "screens/services/fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace numora {

namespace {

// What a screen reader reads of a canvas: its lines as text, one item after the other.
class AccessibleTextCanvas : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleTextCanvas(TextCanvas *canvas)
        : QAccessibleWidget(canvas, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return all();
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return all().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(all().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString all() const { return static_cast<const TextCanvas *>(widget())->text(); }
};

QAccessibleInterface *canvasAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("numora::TextCanvas") && object && object->isWidgetType())
        return new AccessibleTextCanvas(static_cast<TextCanvas *>(object));
    return nullptr;
}

} // namespace

TextCanvas::TextCanvas(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(canvasAccessible), true);
    Q_UNUSED(accessibleInstalled);
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
    const int before = int(text().size());
    m_lines.append(line);
    update();
    if (QAccessible::isActive()) {
        const QString all = text();
        QAccessibleTextInsertEvent event(this, before, all.mid(before));
        QAccessible::updateAccessibility(&event);
    }
}

void TextCanvas::clear()
{
    const QString was = QAccessible::isActive() ? text() : QString();
    m_lines.clear();
    update();
    if (!was.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, 0, was);
        QAccessible::updateAccessibility(&event);
    }
}

QString TextCanvas::text() const
{
    QStringList lines;
    for (const Line &line : m_lines)
        lines.append(line.items.join(QLatin1Char(' ')));
    return lines.join(QLatin1Char('\n'));
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
