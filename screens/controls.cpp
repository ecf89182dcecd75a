#include "screens/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace numora {

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
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
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    if (!isChecked() && isEnabled())
        click();
}

void setLabelBackground(QLabel *label, const QColor &colour)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

} // namespace numora
