#include "screens/mainwindow.h"

#include "numora/version.h"

#include "assets/pictures.h"
#include "engine/custom.h"
#include "engine/lottery.h"
#include "language/language.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"
#include "screens/services/program.h"

#include <QCloseEvent>
#include <QPushButton>

namespace numora {

namespace {

struct Captions
{
    const char *custom;
    const char *help;
    const char *about;
};
constexpr Captions kCaptions[] = {
    {"Custom", "Help", "About"},
    {"Coutume", "Aider", "About"},
    {"Sitte", "Aufhelfe", "Labout"},
    {"Costume", "Help", "About"},
    {"Costumbre", "Ayudar", "Sobre"},
};

struct Tip
{
    const char *title;
    const char *prompt;
};
constexpr Tip kImageTips[] = {
    {"Start Picking by clicking the top buttons.",
     "Use the buttons at the top to pick 649 or other lotteries."},
    {"Commencement cueillant à cliqueter près l' haut boutons.",
     "Utilisez les boutons à l' haut à cueillir 649 ou autre loteries."},
    {"Beginn pflücken durch Reißen die Spitze zuknöpft.",
     "Benutzen das zuknöpft am Oberteil zu pflücken 649 oder ander Lotterien."},
    {"Start Picking by clicking gli cima bottone.",
     "Uso gli bottone at gli cima a pick 649 o all'altra lotteria."},
    {"Poner en marcha Picking por hacer tictac el tope botoneses.",
     "Usar el botoneses a el cima a pico 649 o otras loteríasas."},
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : Form(parent, fixedSingleFlags())
{
    setWindowTitle(QStringLiteral("Corvane Numora ") + QLatin1String(kVersion));
    setWindowIcon(icon(QStringLiteral("icon-numora")));
    setClientSizeTwips(this, 4920, 4980);
    setFont(controlFont());

    auto button = [this](const char *name, const char *caption, int left, int width,
                         const char *tip) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, left, 0, width, 375);
        if (tip)
            b->setToolTip(QString::fromUtf8(tip));
        return b;
    };
    m_cmd649 = button("cmd649", "649", 0, 975, "Click here to generate 649 numbers ");
    m_cmdS7 = button("cmdS7", "Super 7", 960, 975, "Click here to pick Super 7 numbers");
    m_btnCst = button("btnCst", "Custom", 1920, 1095, "Create custom lotteries");
    m_cmdAbout = button("cmdAbout", "About", 3000, 975, nullptr);
    m_CmdHlp = button("CmdHlp", "Help", 3960, 975, "Help for Numora");
    setTabOrder(m_cmd649, m_cmdS7);
    setTabOrder(m_cmdS7, m_CmdHlp);
    setTabOrder(m_CmdHlp, m_btnCst);
    setTabOrder(m_btnCst, m_cmdAbout);

    m_Image1 = new ClickLabel(this);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(m_Image1, 0, 360, 4920, 4755);
    m_Image1->setPicture(QStringLiteral("main"));
    m_Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Image1->setAccessibleName(QStringLiteral("Numora: lottery balls"));
    m_Image1->lower();

    connect(m_cmd649, &QPushButton::clicked, this, &MainWindow::cmd649_Click);
    connect(m_cmdS7, &QPushButton::clicked, this, &MainWindow::cmdS7_Click);
    connect(m_btnCst, &QPushButton::clicked, this, &MainWindow::btnCst_Click);
    connect(m_CmdHlp, &QPushButton::clicked, this, &MainWindow::CmdHlp_Click);
    connect(m_cmdAbout, &QPushButton::clicked, this, &MainWindow::cmdAbout_Click);
    connect(m_Image1, &ClickLabel::clicked, this, &MainWindow::Image1_Click);
}

void MainWindow::load()
{
    set_lang_captions();
    centreWindow(this);
}

void MainWindow::set_lang_captions()
{
    setCaptions(langCodeWithDefault());
}

void MainWindow::setCaptions(std::uint8_t language)
{
    const int row = languageRow(language);
    if (row < 0)
        return;
    m_btnCst->setText(QString::fromUtf8(kCaptions[row].custom));
    m_CmdHlp->setText(QString::fromUtf8(kCaptions[row].help));
    m_cmdAbout->setText(QString::fromUtf8(kCaptions[row].about));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the hub ends the program at once, whatever else is open.
    event->accept();
    program().end();
}

void MainWindow::cmd649_Click()
{
    if (engine::lucky(engine::LottKind::Lott649).entState == 2)
        return;
    forms().show(names::Entry649);
}

void MainWindow::cmdS7_Click()
{
    if (engine::lucky(engine::LottKind::LottS7).entState == 2)
        return;
    forms().show(names::EntryS7);
}

void MainWindow::btnCst_Click()
{
    engine::CustomSettings &cst = engine::state().cst;
    if (cst.session == 2) {
        engine::CstDefaults();
        for (const QString &name : {names::LottSet, names::EntryCst, names::DisplayCst,
                                    names::SelectPrnCst})
            forms().unload(name);
    }
    cst.session = 1;
    if (forms().isVisible(names::EntryCst) || forms().isVisible(names::LottSet)
        || forms().isVisible(names::SelectPrnCst)) {
        messages().show(QStringLiteral("Already Custom"));
        return;
    }
    if (engine::lucky(engine::LottKind::LottCst).entState == 2)
        return;
    QWidget *settings = forms().form(names::LottSet);
    if (!settings)
        return;
    settings->setEnabled(true);
    forms().show(names::LottSet);
}

void MainWindow::CmdHlp_Click()
{
    forms().show(names::Help);
}

void MainWindow::cmdAbout_Click()
{
    forms().show(names::About);
}

void MainWindow::Image1_Click()
{
    const int row = languageRow(langCodeWithDefault());
    if (row < 0)
        return;
    messages().show(QString::fromUtf8(kImageTips[row].prompt), MsgButtons::Ok,
                    QString::fromUtf8(kImageTips[row].title));
}

} // namespace numora
