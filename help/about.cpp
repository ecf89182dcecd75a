#include "help/about.h"

#include "numora/version.h"

#include "assets/pictures.h"
#include "help/infowindows.h"
#include "help/licenceviewer.h"
#include "help/platform.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"
#include "screens/services/programfolder.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace numora {

namespace {

const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

About::About(QWidget *parent)
    : Form(parent, fixedDialogFlags())
{
    setWindowTitle(QStringLiteral("About Numora"));
    setWindowIcon(icon(QStringLiteral("icon-numora")));
    setClientSizeTwips(this, 6015, 6135);
    setFont(controlFont());

    createPictures();
    createLabels();
    createButtons();
}

void About::createPictures()
{
    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(icon(QStringLiteral("icon-numora")).pixmap(32, 32));
    m_picIcon->setAccessibleName(QStringLiteral("Numora icon"));
    placeTwips(m_picIcon, 240, 240, 480, 480);

    // The title picture, shrunk to the room between the version and the description.
    m_Picture1 = new QLabel(this);
    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setPixmap(picture(QStringLiteral("title")));
    m_Picture1->setScaledContents(true);
    m_Picture1->setAccessibleName(QStringLiteral("Numora"));
    placeTwips(m_Picture1, 1230, 1320, 3555, 2340);
}

void About::createLabels()
{
    auto label = [this](auto *l, const char *name, const QString &text, int left, int top,
                        int width, int height) {
        l->setParent(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setText(text);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(l, left, top, width, height);
        return l;
    };
    m_lblTitle = label(new QLabel, "lblTitle",
                       QStringLiteral("<b style=\"font-size:12pt\">%1</b><br>%2")
                           .arg(kProductName, kRightsNotice.toHtmlEscaped()),
                       960, 180, 4815, 540);
    m_lblTitle->setTextFormat(Qt::RichText);
    m_lblVersion = label(new QLabel, "lblVersion",
                         QStringLiteral("V  ") + QLatin1String(kVersion) + QStringLiteral(" Internet Edition.\n") + kDistributorCredit + '.',
                         960, 780, 4815, 480);
    m_lblDescription = label(
        new ClickLabel, "lblDescription",
        QStringLiteral("Numora is yours to use for your own amusement under the terms of its End "
                       "User Licence Agreement. Click here to read it."),
        240, 3720, 5535, 480);
    m_lblDescription->setCursor(Qt::PointingHandCursor);
    m_lblDisclaimer = label(
        new QLabel, "lblDisclaimer",
        QStringLiteral("For amusement only, the author does not endorse lotteries. Winnings are "
                       "not gauranteed and an advantage is not implied. Selections may not be "
                       "published or redistrbuted by the purchaser."),
        240, 5160, 4080, 840);

    m_Line1 = new QWidget(this);
    m_Line1->setObjectName(QStringLiteral("Line1"));
    m_Line1->setAutoFillBackground(true);
    QPalette white = m_Line1->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_Line1->setPalette(white);
    m_Line1->setGeometry(px(120), px(5040), px(5880 - 120), 1);

    connect(m_lblDescription, &ClickLabel::clicked, this, &About::lblDescription_Click);
}

void About::createButtons()
{
    auto button = [this](const char *name, const QString &caption, int left, int top, int width,
                         int height) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        // Enter presses the button that has the focus, as in a dialog.
        b->setAutoDefault(true);
        placeTwips(b, left, top, width, height);
        return b;
    };
    m_btnUela = button("btnUela", QStringLiteral("End User Licence Agreement"), 240, 4320, 2535, 495);
    m_cmdCorvaneSoftware = button("cmdCorvaneSoftware", kMakerAddress, 3240, 4320, 2535, 495);
    m_cmdCorvaneSoftware->setToolTip(kMakerAddress);
    m_cmdOK = button("cmdOK", QStringLiteral("OK"), 4440, 5160, 1260, 375);
    m_cmdSysInfo = button("cmdSysInfo", QStringLiteral("&System Info..."), 4440, 5640, 1245, 345);
    m_cmdOK->setDefault(true);

    setTabOrder(m_cmdOK, m_cmdSysInfo);
    setTabOrder(m_cmdSysInfo, m_btnUela);
    setTabOrder(m_btnUela, m_cmdCorvaneSoftware);

    connect(m_cmdOK, &QPushButton::clicked, this, &About::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &About::cmdSysInfo_Click);
    connect(m_btnUela, &QPushButton::clicked, this, &About::btnUela_Click);
    connect(m_cmdCorvaneSoftware, &QPushButton::clicked, this, &About::cmdCorvaneSoftware_Click);
}

void About::load()
{
    // Owned by the main window: kept out of the task bar and centred on it.
    if (forms().isLoaded(names::MainWindow)) {
        QWidget *owner = forms().form(names::MainWindow);
        setParent(owner, windowFlags());
        centreWindow(this, owner);
    } else {
        centreWindow(this);
    }
    m_cmdOK->setFocus();
}

void About::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        m_cmdOK->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

void About::cmdOK_Click()
{
    forms().unload(this);
}

void About::cmdSysInfo_Click()
{
    StartSysInfo();
}

void About::btnUela_Click()
{
    showAgreement();
}

void About::lblDescription_Click()
{
    showAgreement();
}

void About::showAgreement()
{
    forms().show(names::Licence);
    if (auto *viewer = forms().form<LicenceViewer>(names::Licence))
        viewer->loadFile(programFile(kAgreementFile));
}

void About::cmdCorvaneSoftware_Click()
{
    shell().openAddress(QUrl(kMakerAddress));
}

void StartSysInfo()
{
    QString SysInfoPath;
    if (!GetKeyValue(kHKeyLocalMachine, kSysInfoKey, QStringLiteral("PATH"), SysInfoPath)) {
        if (!GetKeyValue(kHKeyLocalMachine, kSysInfoLocationKey, QStringLiteral("MSINFO"),
                         SysInfoPath)
            || !shell().fileExists(SysInfoPath + QStringLiteral("\\MSINFO32.EXE"))) {
            // Where no registry names it, the desktop's own system information program.
            if (!startDesktopSysInfo())
                messages().show(kSysInfoUnavailable);
            return;
        }
        SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
    }
    if (!shell().startProgram(SysInfoPath, {}))
        messages().show(kSysInfoUnavailable);
}

} // namespace numora
