#include "screens/services/controls.h"

#include "assets/pictures.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace numora {

namespace {

// What a screen reader is told about a ClickLabel: a button that can be pressed.
class AccessibleClickLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickLabel(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const ClickLabel *>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty()) {
            const QString shown = label->textFormat() == Qt::PlainText
                ? label->text()
                : QTextDocumentFragment::fromHtml(label->text()).toPlainText();
            return shown.trimmed().isEmpty() ? label->toolTip() : shown.trimmed();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Later, from the event loop: a press that opens a message box must not hold up the
        // reply to the screen reader until the box is closed.
        QTimer::singleShot(0, static_cast<ClickLabel *>(widget()), &ClickLabel::click);
    }
};

// A caption as it is read out: without its mnemonic marks, "&&" standing for "&".
QString withoutMnemonic(const QString &caption)
{
    QString read;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        read += caption[i];
    }
    return read;
}

// What a screen reader is told about an OptionButton: an option it can toggle. Qt's own
// toggle only flips the checked state, which runs none of the program's reaction to a click;
// here the toggle is a click, so the option acts exactly as when the user clicks it (a click
// on the selected option leaves it selected and runs its click again).
class AccessibleOptionButton : public QAccessibleWidget
{
public:
    explicit AccessibleOptionButton(OptionButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutMnemonic(button()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action != toggleAction() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // From the event loop, as a press is: the screen reader has its reply at once.
        QTimer::singleShot(0, button(), &QAbstractButton::click);
    }

private:
    OptionButton *button() const { return static_cast<OptionButton *>(widget()); }
};

QAccessibleInterface *controlAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("numora::ClickLabel"))
        return new AccessibleClickLabel(static_cast<ClickLabel *>(object));
    if (className == QLatin1String("numora::OptionButton"))
        return new AccessibleOptionButton(static_cast<OptionButton *>(object));
    return nullptr;
}

// The room a label's text has: inside its frame and margin.
QRect textRoom(const QLabel *label)
{
    const int m = label->margin();
    return label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
}

// A label's plain text with its line breaks as a text layout takes them.
QString plainLines(const QString &text)
{
    return QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator);
}

// Breaks the layout's text into lines `width` wide at word boundaries, each `lineHeight` below
// the one before; a line lower than the font's ascent and descent gives up the room above the
// capitals, so that the descenders stay inside it. Returns the height of the lines.
int layOutLines(QTextLayout &layout, int width, int lineHeight, Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QFontMetrics metrics(layout.font());
    const int shift = std::min(0, lineHeight - metrics.ascent() - metrics.descent());
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        line.setPosition(QPointF(0, lines * lineHeight + shift));
        ++lines;
    }
    layout.endLayout();
    return lines * lineHeight;
}

void installControlAccessibles()
{
    static const bool installed = (QAccessible::installFactory(controlAccessible), true);
    Q_UNUSED(installed);
}

} // namespace

void PictureLabel::setPicture(const QString &name)
{
    m_picture = name;
    update();
}

bool PictureLabel::setsItsOwnLines() const
{
    return wordWrap() && !text().isEmpty() && pixmap().isNull()
        && (textFormat() == Qt::PlainText
            || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text())));
}

int PictureLabel::heightForWidth(int width) const
{
    if (!setsItsOwnLines())
        return QLabel::heightForWidth(width);
    const QRect room = textRoom(this);
    QTextLayout layout(plainLines(text()), font(), this);
    const int height = layOutLines(layout, width - (this->width() - room.width()),
                                   lineHeight(font(), this), alignment());
    return height + (this->height() - room.height());
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isEmpty()) {
        QPainter painter(this);
        drawPicture(painter, QPoint(0, 0), m_picture);
    }
    if (!setsItsOwnLines()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = textRoom(this);
    QTextLayout layout(plainLines(text()), font(), this);
    const int height = layOutLines(layout, room.width(), lineHeight(font(), this), alignment());
    int top = room.top();
    if (alignment() & Qt::AlignBottom)
        top = room.bottom() + 1 - height;
    else if (alignment() & Qt::AlignVCenter)
        top += (room.height() - height) / 2;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   foregroundRole()));
    layout.draw(&painter, QPointF(room.left(), top));
}

ClickLabel::ClickLabel(QWidget *parent)
    : PictureLabel(parent)
{
    installControlAccessibles();
    setFocusPolicy(Qt::TabFocus);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : PictureLabel(text, parent)
{
    installControlAccessibles();
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        PictureLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    PictureLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    PictureLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
{
    installControlAccessibles();
}

OptionButton::OptionButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    installControlAccessibles();
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    if (!isChecked() && isEnabled())
        click();
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const int titleLeft = 8;
    const int titleWidth = title().isEmpty() ? 0 : metrics.horizontalAdvance(title()) + 6;
    const int right = width() - 2;
    const int bottom = height() - 2;
    // Etched: a dark line with a light one below and right of it, broken for the caption.
    for (const auto &[offset, role] : {std::pair{0, QPalette::Mid}, std::pair{1, QPalette::Light}}) {
        painter.setPen(palette().color(role));
        const int t = top + offset, l = offset, r = right + offset, b = bottom + offset;
        painter.drawLine(l, t, titleLeft, t);
        painter.drawLine(titleLeft + titleWidth, t, r, t);
        painter.drawLine(r, t, r, b);
        painter.drawLine(l, b, r, b);
        painter.drawLine(l, t, l, b);
    }
    if (titleWidth > 0) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawText(QRect(titleLeft, 0, titleWidth, metrics.height()), Qt::AlignCenter, title());
    }
}

void setLabelBackground(QLabel *label, const QColor &colour)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

void widenToFit(QLabel *label, int leftTwips, int rightTwips)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text())
        + 2 * label->margin() + label->width() - label->contentsRect().width();
    QRect r = label->geometry();
    if (needed <= r.width())
        return;
    // Its right edge moves to the right as far as it needs and may, never past rightTwips...
    r.setRight(std::min(px(rightTwips), std::max(r.right() + 1, r.left() + needed)) - 1);
    // ...and its left edge to the left for the rest.
    r.setLeft(std::min(r.left(), std::max(px(leftTwips), r.right() + 1 - needed)));
    label->setGeometry(r);
}

} // namespace numora
