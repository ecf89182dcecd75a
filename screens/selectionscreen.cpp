#include "screens/selectionscreen.h"

#include "assets/pictures.h"
#include "engine/generator.h"
#include "language/language.h"
#include "screens/services/controls.h"
#include "screens/displaywindow.h"
#include "screens/services/names.h"
#include "screens/numbertext.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"
#include "screens/services/printer.h"
#include "screens/services/program.h"
#include "screens/services/textcanvas.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace numora {

using engine::LottKind;

namespace {

struct Variant
{
    QString name;
    const char *caption;
    int clientHeight;
    const char *frameName;
    const char *frameCaption;
    const char *frameTip;
    const char *optionPrefix;
    const char *skewLabelName;
    const char *picture;
    const char *icon;
    TwipsRect frame;
    TwipsRect options[3];
    int buttonTop;
    int skewLabelTop;
};

const Variant &variant(LottKind kind)
{
    static const Variant variants[] = {
        {names::SelectPrn649, "Number of 649 selections and Print", 3495, "fraSelections",
         "Number of Selections", "Number of tickets to generate", "optSel", "lblSkewInfo",
         "selections-blue", "icon-649", {1080, 360, 1815, 1695},
         {{480, 360, 975, 255}, {480, 720, 1095, 375}, {480, 1200, 1095, 255}}, 2760, 2280},
        {names::SelectPrnS7, "Super 7 selections and print", 3735, "fraSelectionsS7",
         "Number of selections", nullptr, "opSel", "lblSkewInfo_S7", "selections-blue", "icon-s7",
         {1080, 360, 1815, 1935},
         {{360, 360, 1215, 375}, {360, 840, 975, 375}, {360, 1320, 1095, 375}}, 3000, 2520},
        {names::SelectPrnCst, "Custom lottery selections and print", 3735, "fraSelectionsS7",
         "Number of selections", nullptr, "opSel", "lblSkewInfo_Cst", "selections-lilac",
         "icon-cst", {1080, 360, 1815, 1935},
         {{360, 360, 1215, 375}, {360, 840, 975, 375}, {360, 1320, 1095, 375}}, 3000, 2520},
    };
    return variants[engine::index(kind)];
}

constexpr int kCounts[3] = {5, 10, 20};

// The display window shrinks for five or ten selections to this share of its outer height,
// plus a fixed extra; twenty keep the designed height.
constexpr double kFiveHeightShare = 0.27;
constexpr double kTenHeightShare = 0.51;
constexpr int kShrunkHeightExtraTwips = 260;

// Captions of five, ten, twenty, Show, Print and Close by language.
constexpr const char *kCaptions[5][6] = {
    {"Five", "Ten", "Twenty", "Show", "Print", "Close"},
    {"Cinq", "Dizaine", "Vingt", "Apparat", "Empreinte", "Fermer"},
    {"Fünf", "Zehn", "Zwanzig", "Ausstellung", "Kattun", "Schliesse"},
    {"5", "10", "20", "Indica", "Stampa", "Chiude"},
    {"Cinco", "Diez", "Veinte", "Exposición", "Tirar", "Cerrar"},
};

// The box that reports a page the printer did not take by language: its sentence, its title
// and how to keep the tickets before the program ends.
constexpr const char *kNotPrinted[5][3] = {
    {"Your selections were not printed.", "Print",
     "Before you press OK, you can keep your tickets: right-click the display window and "
     "choose \"Save as PDF...\" or \"Copy\"."},
    {"Vos grilles n’ont pas été imprimées.", "Impression",
     "Avant d’appuyer sur OK, vous pouvez conserver vos grilles : cliquez avec le bouton droit "
     "dans la fenêtre d’affichage et choisissez « Enregistrer en PDF... » ou « Copier »."},
    {"Ihre Tippreihen wurden nicht gedruckt.", "Drucken",
     "Bevor Sie auf OK klicken, können Sie Ihre Tippreihen sichern: Klicken Sie mit der rechten "
     "Maustaste in das Anzeigefenster und wählen Sie „Als PDF speichern...“ oder „Kopieren“."},
    {"Le combinazioni non sono state stampate.", "Stampa",
     "Prima di premere OK è possibile conservare le combinazioni: fare clic con il tasto destro "
     "nella finestra di visualizzazione e scegliere «Salva come PDF...» o «Copia»."},
    {"Sus combinaciones no se han impreso.", "Impresión",
     "Antes de pulsar OK, puede conservar sus combinaciones: haga clic con el botón derecho en "
     "la ventana de visualización y elija «Guardar como PDF...» o «Copiar»."},
};

} // namespace

SelectionScreen::SelectionScreen(LottKind kind, QWidget *parent)
    : Form(parent, fixedSingleFlags())
    , m_kind(kind)
{
    const Variant &v = variant(kind);
    setWindowTitle(QString::fromUtf8(v.caption));
    setWindowIcon(icon(QString::fromLatin1(v.icon)));
    setClientSizeTwips(this, 3975, v.clientHeight);
    setFont(controlFont());

    auto *background = new PictureLabel(this);
    background->setObjectName(QStringLiteral("background"));
    background->setPicture(QString::fromLatin1(v.picture));
    background->setGeometry(QRect(QPoint(0, 0), pictureSize(background->picture())));

    m_frame = new FrameBox(QString::fromUtf8(v.frameCaption), this);
    m_frame->setObjectName(QString::fromLatin1(v.frameName));
    placeTwips(m_frame, v.frame);
    if (v.frameTip)
        m_frame->setToolTip(QString::fromUtf8(v.frameTip));

    const char *optionCaptions[3] = {"Five", "Ten", "Twenty"};
    for (int i = 0; i < 3; ++i) {
        auto *option = new OptionButton(QString::fromLatin1(optionCaptions[i]), m_frame);
        option->setObjectName(QString::fromLatin1(v.optionPrefix) + QString::number(kCounts[i]));
        placeTwips(option, v.options[i]);
        const int count = kCounts[i];
        connect(option, &QRadioButton::clicked, this, [this, count] { optionClicked(count); });
        m_options[i] = option;
    }

    auto button = [this, &v](const char *name, const char *caption, int left) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, left, v.buttonTop, 1095, 495);
        return b;
    };
    m_prnSel = button("prnSel", "Print", 1440);
    m_disSel = button("disSel", "Show", 240);
    m_cmdClose = button("cmdClose", "Close", 2640);

    m_skewLabel = new QLabel(QStringLiteral("Percent chance of lucky numbers="), this);
    m_skewLabel->setObjectName(QString::fromLatin1(v.skewLabelName));
    placeTwips(m_skewLabel, 600, v.skewLabelTop, 2775, 255);

    setTabOrder(m_options[0], m_options[1]);
    setTabOrder(m_options[1], m_options[2]);
    setTabOrder(m_options[2], m_prnSel);
    setTabOrder(m_prnSel, m_disSel);
    setTabOrder(m_disSel, m_cmdClose);

    connect(m_disSel, &QPushButton::clicked, this, &SelectionScreen::disSel_Click);
    connect(m_prnSel, &QPushButton::clicked, this, &SelectionScreen::prnSel_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &SelectionScreen::cmdClose_Click);
}

QString SelectionScreen::nameOf(LottKind kind)
{
    return variant(kind).name;
}

void SelectionScreen::load()
{
    if (m_kind == LottKind::LottCst) {
        setWindowTitle(QStringLiteral("Custom lottery "));
        forms().unload(names::EntryCst);
    }
    if (engine::lucky(m_kind).quickPick == 1) {
        engine::setSkewPercent(m_kind, 0);
        m_skewLabel->setText(QStringLiteral("Quick Pick sets no lucky numbers=")
                             + lb(engine::skewPercent(m_kind)));
    } else {
        m_skewLabel->setText(QStringLiteral("Percent chance of lucky numbers=")
                             + lb(engine::skewPercent(m_kind)));
    }
    set_lang_captions();
}

void SelectionScreen::set_lang_captions()
{
    const int row = languageRow(LangCode());
    if (row < 0)
        return;
    QAbstractButton *controls[6] = {m_options[0], m_options[1], m_options[2], m_disSel, m_prnSel,
                                    m_cmdClose};
    for (int i = 0; i < 6; ++i)
        controls[i]->setText(QString::fromUtf8(kCaptions[row][i]));
}

void SelectionScreen::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    if (m_shownOnce)
        return;
    // The five option is first in the tab order: it takes the focus and with it the selection.
    m_shownOnce = true;
    m_options[0]->setFocus(Qt::OtherFocusReason);
    if (!m_options[0]->isChecked())
        m_options[0]->click();
}

void SelectionScreen::optionClicked(int count)
{
    engine::selections(m_kind).nmsel = static_cast<std::uint8_t>(count);
}

void SelectionScreen::disSel_Click()
{
    m_disSel->setEnabled(false);
    forms().show(DisplayWindow::nameOf(m_kind));
    engine::selections(m_kind).ptrOn = 0;
    ShowSelections();
}

void SelectionScreen::prnSel_Click()
{
    m_disSel->setEnabled(false);
    m_prnSel->setEnabled(false);
    forms().show(DisplayWindow::nameOf(m_kind));
    engine::selections(m_kind).ptrOn = 1;
    ShowSelections();
}

void SelectionScreen::cmdClose_Click()
{
#ifdef _WIN32
    // Earlier versions installed under fixed paths: start the first uninstaller found.
    if (m_kind == LottKind::LottCst) {
        const char *paths[] = {
            "C:\\Program Files\\Corvane Numora 1.0\\Uninstal.exe",
            "C:\\Program Files\\Corvane Numora 1.1\\Uninstal.exe",
            "C:\\Program Files\\Corvane Numora 1.2\\Uninstal.exe",
            "C:\\Program Files\\Corvane Numora 1.4\\Uninstal.exe",
        };
        for (const char *path : paths) {
            const QString preVr_pth = QString::fromLatin1(path);
            if (QFileInfo::exists(preVr_pth)) {
                QProcess::startDetached(preVr_pth, {});
                messages().show(QStringLiteral(
                    "You should restart windows before running Numora after deinstall."));
                program().end();
                return;
            }
        }
    }
#endif
    program().end();
}

DisplayWindow *SelectionScreen::display() const
{
    return forms().form<DisplayWindow>(DisplayWindow::nameOf(m_kind));
}

void SelectionScreen::setUpDisplay()
{
    DisplayWindow *window = display();
    if (!window)
        return;
    const int outer = outerHeightTwips(window);
    switch (engine::selections(m_kind).nmsel) {
    case 5:
        setOuterHeightTwips(window, static_cast<int>(std::floor(outer * kFiveHeightShare))
                                        + kShrunkHeightExtraTwips);
        break;
    case 10:
        setOuterHeightTwips(window, static_cast<int>(std::floor(outer * kTenHeightShare))
                                        + kShrunkHeightExtraTwips);
        break;
    default:
        break;
    }
}

bool SelectionScreen::generate()
{
    const engine::GenResult result = engine::GenSelections(m_kind, [this] { setUpDisplay(); });
    if (result == engine::GenResult::PickExceedsBalls) {
        messages().show(
            QStringLiteral("Pick is greater than the number of balls, Numora will cmdClose"));
        cmdClose_Click();
        return false;
    }
    if (m_kind == LottKind::LottCst) {
        setWindowTitle(customLotteryCaption(engine::drawnOf(m_kind), engine::ballsOf(m_kind)));
    }
    return true;
}

QString SelectionScreen::selectionLine(int i) const
{
    // Each lottery's lines carry its own number of balls drawn.
    const auto &row = engine::selections(m_kind).sel[i];
    QString line;
    for (int j = 1; j <= engine::drawnOf(m_kind); ++j)
        line += lb(row[j]) + QLatin1Char(' ');
    return line;
}

void SelectionScreen::ShowSelections()
{
    for (OptionButton *option : m_options)
        option->setEnabled(false);
    if (engine::generatedFlag(m_kind) == 0) {
        if (!generate())
            return;
        const int count = engine::selections(m_kind).nmsel;
        if (DisplayWindow *window = display()) {
            for (int i = 1; i <= count; ++i) {
                window->canvas()->setFontSize(10);
                window->canvas()->setBold(true);
                window->canvas()->printLine({selectionLine(i)});
            }
        }
    }
    if (engine::selections(m_kind).ptrOn == 1)
        PrintSelections();
}

QStringList SelectionScreen::pageLines() const
{
    QStringList selections;
    for (int i = 1; i <= engine::selections(m_kind).nmsel; ++i)
        selections << selectionLine(i);
    return DisplayWindow::page(m_kind, selections);
}

void SelectionScreen::reportNotPrinted(const QString &reason)
{
    const auto &box = kNotPrinted[std::max(0, languageRow(LangCode()))];
    // The box blocks this screen alone and the program's other windows wait for it, but the
    // display window stays usable: its lines can still be saved or copied before the end.
    const QString displayName = DisplayWindow::nameOf(m_kind);
    QList<QPointer<QWidget>> waiting;
    for (const QString &name : forms().loadedNewestFirst()) {
        QWidget *window = forms().form(name);
        if (!window || name == displayName || window == this || !window->isEnabled())
            continue;
        window->setEnabled(false);
        waiting.append(window);
    }
    messages().show(QString::fromUtf8(box[0]) + QStringLiteral("\n\n") + reason
                        + QStringLiteral("\n\n") + QString::fromUtf8(box[2]),
                    MsgButtons::Ok, QString::fromUtf8(box[1]), MsgIcon::Critical, this);
    for (const QPointer<QWidget> &window : waiting) {
        if (window)
            window->setEnabled(true);
    }
}

bool SelectionScreen::AskPrinterOn()
{
    return messages().show(QStringLiteral("Is the printer on?"), MsgButtons::OkCancel,
                           QStringLiteral("Print"))
        != MsgAnswer::Cancel;
}

void SelectionScreen::PrintSelections()
{
    if (AskPrinterOn()) {
        if (engine::generatedFlag(m_kind) == 0 && !generate())
            return;
        for (const QString &line : pageLines())
            printer().printLine(line);
        const PrintResult result = printer().endDoc();
        if (!result.ok)
            reportNotPrinted(result.error);
    } else {
        messages().show(QStringLiteral("The Printer was not ready, Close Numora"),
                        MsgButtons::OkCancel, QStringLiteral("Printer not ready"));
    }
    cmdClose_Click();
}

} // namespace numora
