#include "help/splash.h"

#include "help/infowindows.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace numora {

Splash::Splash(int intervalMs, QWidget *parent)
    // A tool window keeps out of the task bar; without a title hint it has no caption.
    : Form(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::FramelessWindowHint)
{
    setAccessibleName(QStringLiteral("Numora"));
    setFont(controlFont());

    // The client area, its background the title picture, inside a one-pixel border that a
    // window without a caption does not get from the window system.
    // The picture is read when the screen is first painted, once it is on the screen.
    auto *client = new PictureLabel(this);
    client->setObjectName(QStringLiteral("client"));
    client->setPicture(QStringLiteral("title"));
    client->setAccessibleName(QStringLiteral("Numora: lottery balls and the program's name"));
    setClientSizeTwips(client, 4770, 3135);
    client->move(1, 1);
    setFixedSize(client->width() + 2, client->height() + 2);
    m_client = client;

    m_lblCompany = createLabel("lblCompany", kDistributorCredit, 2400);
    m_lblCopyright = createLabel("lblCopyright", kRightsNotice, 2640);
    m_lblCopyright2 = createLabel("lblCopyright2", QStringLiteral("   "), 2880);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(intervalMs);
    connect(m_Timer1, &QTimer::timeout, this, &Splash::Timer1_Timer);
}

QLabel *Splash::createLabel(const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, m_client);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    placeTwips(label, 0, top, 4815, 255);
    return label;
}

void Splash::load()
{
    for (QLabel *label : {m_lblCompany, m_lblCopyright, m_lblCopyright2})
        setLabelBackground(label, Qt::white);
    centreWindow(this);
    m_Timer1->start();
}

void Splash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Splash::Timer1_Timer()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    hide();
    setEnabled(false);
    forms().show(names::MainWindow);
    m_Timer1->stop();
}

void Splash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    handOverByKey();
}

void Splash::closeEvent(QCloseEvent *event)
{
    // Without this, closing it from the window system would leave a run with no window at all.
    if (!m_handedOver) {
        event->ignore();
        handOverByKey();
        return;
    }
    Form::closeEvent(event);
}

void Splash::handOverByKey()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_Timer1->stop();
    forms().show(names::MainWindow);
    forms().unload(this);
}

} // namespace numora
