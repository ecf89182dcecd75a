#include "screens/oddswindow.h"

#include "language/language.h"
#include "screens/services/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/textcanvas.h"

#include <QPushButton>

namespace numora {

OddsWindow::OddsWindow(QWidget *parent)
    : Form(parent, fixedSingleFlags())
{
    setWindowTitle(QStringLiteral("Odds of lotteries"));
    setClientSizeTwips(this, 5430, 3270);
    setFont(controlFont());

    m_canvas = new TextCanvas(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setFont(font());

    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdOddsLottClose"));
    placeTwips(m_close, 4440, 120, 855, 375);
    connect(m_close, &QPushButton::clicked, this, &OddsWindow::cmdOddsLottClose_Click);
}

void OddsWindow::load()
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void OddsWindow::showReport(const engine::OddsReport &report)
{
    m_canvas->clear();
    for (const auto &line : report.lines) {
        QStringList items;
        for (const std::string &field : line)
            items << QString::fromStdString(field);
        m_canvas->printLine(items);
    }
    setWindowTitle(QString::fromStdString(report.caption));
}

void OddsWindow::cmdOddsLottClose_Click()
{
    hide();
}

void showOdds(int drawn, int balls)
{
    const engine::OddsReport report = engine::ShowOdds(drawn, balls, LangCode());
    forms().show(names::Odds);
    if (auto *window = forms().form<OddsWindow>(names::Odds))
        window->showReport(report);
}

} // namespace numora
