#include "screens/entryscreen.h"

#include "assets/pictures.h"
#include "engine/custom.h"
#include "language/language.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/numbertext.h"
#include "screens/oddswindow.h"
#include "screens/selectionscreen.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolTip>

namespace numora {

using engine::LottKind;

namespace {

struct Control
{
    const char *name;
    TwipsRect place;
};

struct Tip
{
    const char *title;
    const char *prompt;
};

struct Variant
{
    QString name;
    const char *caption;
    int clientWidth;
    int clientHeight;
    bool centred;
    const char *picture;
    const char *icon;
    int buttons;     // btnS1 to btnS<buttons>
    int perRow;
    TwipsRect firstButton; // btnS1
    int pitchAcross;
    int pitchDown;
    Control title;
    const char *titleCaption;
    Control display;
    Control percent;
    Control slider;
    Control odds;
    Control quickPick;
    Control undo;
    Control next;
    const char *quickPickTip;
    const char *sliderTip;
    bool undoRefreshes; // Super 7 and custom run the full refresh after Undo, 6/49 the caption only
    bool tipOnTitle;    // 6/49 gives its tip on the title label, in the interface language
    Tip tip;            // Super 7 and custom, English only
};

const Variant &variant(LottKind kind)
{
    static const Variant variants[] = {
        {
            .name = names::Entry649,
            .caption = "Numora- Enter  6 lucky numbers",
            .clientWidth = 5775,
            .clientHeight = 5370,
            .centred = true,
            .picture = "entry649",
            .icon = "icon-649",
            .buttons = 49,
            .perRow = 9,
            .firstButton = {240, 600, 495, 375},
            .pitchAcross = 600,
            .pitchDown = 600,
            .title = {"lbl649ent", {2760, 3480, 1455, 255}},
            .titleCaption = "Lucky 649 numbers",
            .display = {"lbl649ent_shw", {2760, 3840, 1455, 255}},
            .percent = {"lblSliVal", {1560, 4200, 2775, 255}},
            .slider = {"Slider1", {1560, 4560, 2775, 630}},
            .odds = {"cmd649Odds", {240, 4320, 1095, 375}},
            .quickPick = {"btnQuickPick649", {240, 4800, 1095, 375}},
            .undo = {"btnUndo", {4440, 4320, 1095, 375}},
            .next = {"btnNext", {4440, 4800, 1095, 375}},
            .quickPickTip = "Gives  randomly generated selections without lucky numbers skewed "
                            "in, percent lucky numbers=0.",
            .sliderTip = "Numora adds the 649 lucky number skew here",
            .undoRefreshes = false,
            .tipOnTitle = true,
            .tip = {nullptr, nullptr},
        },
        {
            .name = names::EntryS7,
            .caption = "Enter 7 lucky numbers",
            .clientWidth = 5760,
            .clientHeight = 5370,
            .centred = false,
            .picture = "entryS7",
            .icon = "icon-s7",
            .buttons = 47,
            .perRow = 9,
            .firstButton = {240, 600, 495, 375},
            .pitchAcross = 600,
            .pitchDown = 600,
            .title = {"lblS7", {2280, 3480, 1575, 255}},
            .titleCaption = "  Lucky S7 numbers",
            .display = {"lblS7ent", {2280, 3840, 1575, 255}},
            .percent = {"lblSliS7Val", {1560, 4200, 2775, 255}},
            .slider = {"SliS7", {1560, 4560, 2775, 630}},
            .odds = {"cmdS7Odds", {240, 4200, 1095, 375}},
            .quickPick = {"btnQuickPickS7", {240, 4800, 1095, 375}},
            .undo = {"btnUndoS7", {4560, 4200, 975, 375}},
            .next = {"btnNextS7", {4560, 4800, 975, 375}},
            .quickPickTip = nullptr,
            .sliderTip = "Numora adds the S7 lucky number skew here",
            .undoRefreshes = true,
            .tipOnTitle = false,
            .tip = {"Start Picking by clicking the number buttons",
                    "When a number button is clicked it is shown in this space"},
        },
        {
            .name = names::EntryCst,
            .caption = "Enter Custom Lottery ",
            .clientWidth = 5520,
            .clientHeight = 5580,
            .centred = false,
            .picture = "entryCst",
            .icon = "icon-cst",
            .buttons = 80,
            .perRow = 8,
            .firstButton = {360, 360, 495, 255},
            .pitchAcross = 600,
            .pitchDown = 360,
            .title = {"lblCsSet", {1440, 3960, 1455, 255}},
            .titleCaption = "Lucky number set",
            .display = {"lblCsent", {2880, 3960, 2175, 255}},
            .percent = {"lblSliCstVal", {1440, 4320, 2775, 255}},
            .slider = {"SliCst", {1440, 4680, 2775, 495}},
            .odds = {"cmdCOdds", {360, 4320, 975, 375}},
            .quickPick = {"btnQuickPickCst", {360, 4800, 975, 375}},
            .undo = {"btnUndoCst", {4320, 4320, 855, 375}},
            .next = {"btnNextCst", {4320, 4800, 855, 375}},
            .quickPickTip = nullptr,
            .sliderTip = "Numora adds the Cst lucky number skew here",
            .undoRefreshes = true,
            .tipOnTitle = false,
            .tip = {"Lucky number set", "Enter the lucky number set here"},
        },
    };
    return variants[engine::index(kind)];
}

// The 6/49 tip by interface language.
constexpr Tip kTips649[] = {
    {"Start Picking by clicking the number buttons",
     "When a number button is clicked it is shown in the space below"},
    {"Commencement cueillant à cliqueter près l' haut boutons",
     "du nombre chanceux poser Lorsqu'un le nombre boutonner est"},
    {"Beginn pflücken durch Reißen die Spitze zuknöpft",
     "Wenn ein Zahlen zuknöpfen wird geklappern"},
    {"Start Picking by clicking gli numero bottone",
     "Assestata quando poiché numero bottone is clicked esso is indica in gli spazio below"},
    {"a pico tu 649 lucky númeroses", "Cuando un número abotonar es hacer tictac él es mostrada"},
};

// The skew slider: positions 0 to 9, ten percent each, starting at 20 percent.
constexpr int kSliderMax = 9;
constexpr int kSliderStart = 2;
constexpr int kSliderPageStep = 5;
constexpr int kPercentPerStep = 10;

// Between a caption widened for its language and the control it leads to.
constexpr int kCaptionGap = 60;

// The custom title label by interface language.
constexpr const char *kCstSetCaptions[] = {
    "Lucky number set", "Nombre Chanceux", "Glücklich Zahlen setzen", "Lucky numero assestata",
    "Lucky number set",
};

void place(QWidget *widget, const Control &control)
{
    widget->setObjectName(QString::fromLatin1(control.name));
    placeTwips(widget, control.place);
}

} // namespace

EntryScreen::EntryScreen(LottKind kind, QWidget *parent)
    : Form(parent, fixedSingleFlags())
    , m_kind(kind)
{
    const Variant &v = variant(kind);
    setWindowTitle(QString::fromUtf8(v.caption));
    setWindowIcon(icon(QString::fromLatin1(v.icon)));
    setClientSizeTwips(this, v.clientWidth, v.clientHeight);
    setFont(controlFont());

    auto *background = new PictureLabel(this);
    background->setObjectName(QStringLiteral("background"));
    background->setPicture(QString::fromLatin1(v.picture));
    background->setGeometry(QRect(QPoint(0, 0), pictureSize(background->picture())));

    createNumberButtons();
    createControls();
}

void EntryScreen::createNumberButtons()
{
    const Variant &v = variant(m_kind);
    for (int n = 1; n <= v.buttons; ++n) {
        const int column = (n - 1) % v.perRow;
        const int row = (n - 1) / v.perRow;
        auto *button = new QPushButton(QString::number(n), this);
        button->setObjectName(QStringLiteral("btnS%1").arg(n));
        placeTwips(button, v.firstButton.left + column * v.pitchAcross,
                   v.firstButton.top + row * v.pitchDown, v.firstButton.width,
                   v.firstButton.height);
        connect(button, &QPushButton::clicked, this, [this, n] { numberClick(n); });
        m_numbers.append(button);
    }
}

void EntryScreen::createControls()
{
    const Variant &v = variant(m_kind);

    m_title = new ClickLabel(QString::fromUtf8(v.titleCaption), this);
    place(m_title, v.title);

    m_display = new ClickLabel(this);
    place(m_display, v.display);
    m_display->setToolTip(QStringLiteral("Shows your lucky numbers picked."));
    m_display->setAccessibleName(QStringLiteral("Lucky numbers picked"));
    // The system's highlight-text colour until the first refresh turns it white.
    m_display->setAutoFillBackground(true);
    m_display->setBackgroundRole(QPalette::HighlightedText);

    m_percent = new ClickLabel(QStringLiteral("Percent chance of lucky numbers= 20"), this);
    place(m_percent, v.percent);

    m_slider = new QSlider(Qt::Horizontal, this);
    place(m_slider, v.slider);
    m_slider->setAccessibleName(QStringLiteral("Lucky number skew"));

    auto button = [this](const Control &control, const char *caption) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        place(b, control);
        return b;
    };
    m_odds = button(v.odds, "Odds");
    m_quickPick = button(v.quickPick, "Quick Pick");
    m_undo = button(v.undo, "Undo");
    m_next = button(v.next, "Next");
    if (v.quickPickTip)
        m_quickPick->setToolTip(QString::fromUtf8(v.quickPickTip));
    m_undo->setToolTip(QStringLiteral("Erases numbers in the lucky number set."));
    m_next->setEnabled(false);

    connect(m_undo, &QPushButton::clicked, this, &EntryScreen::undoClick);
    connect(m_next, &QPushButton::clicked, this, &EntryScreen::nextClick);
    connect(m_quickPick, &QPushButton::clicked, this, &EntryScreen::quickPickClick);
    connect(m_odds, &QPushButton::clicked, this, &EntryScreen::oddsClick);
    connect(m_percent, &ClickLabel::clicked, this, &EntryScreen::percentUpdate);
    connect(v.tipOnTitle ? m_title : m_display, &ClickLabel::clicked, this,
            &EntryScreen::tipClick);
    connect(m_slider, &QSlider::sliderPressed, this, &EntryScreen::showPopupText);
    connect(m_slider, &QSlider::sliderMoved, this, &EntryScreen::showPopupText);
    connect(m_slider, &QSlider::sliderReleased, this, &EntryScreen::sliderClick);
    connect(m_slider, &QSlider::valueChanged, this, &EntryScreen::sliderValueChanged);
}

QString EntryScreen::nameOf(LottKind kind)
{
    return variant(kind).name;
}

void EntryScreen::load()
{
    engine::State &s = engine::state();
    switch (m_kind) {
    case LottKind::Lott649:
    case LottKind::LottS7:
        s.ballsInLott = static_cast<std::int16_t>(engine::ballsOf(m_kind));
        s.ballsDrawn = static_cast<std::int16_t>(engine::drawnOf(m_kind));
        engine::lucky(m_kind).quickPick = 0;
        slider_setup();
        break;
    case LottKind::LottCst:
        // Referring to the settings window would load it, and its load resets the settings.
        if (forms().isLoaded(names::LottSet)) {
            QWidget *settings = forms().form(names::LottSet);
            settings->setEnabled(false);
            settings->hide();
        }
        s.ballsInLott = s.cst.ballsIn;
        s.ballsDrawn = s.cst.ballsDrawn;
        if (s.cst.ballsDrawn < s.cst.setSize)
            s.cst.setSize = s.cst.ballsDrawn;
        engine::lucky(m_kind).quickPick = 0;
        lblCsSet_lang_update();
        writeCustomCaption();
        hide_extra_buttons();
        slider_setup();
        break;
    }
    if (variant(m_kind).centred)
        centreWindow(this);
}

void EntryScreen::writeCustomCaption()
{
    const engine::CustomSettings &c = engine::state().cst;
    setWindowTitle(QStringLiteral("Number set size ") + lb(c.setSize)
                   + QStringLiteral("  Balls drawn ") + lb(c.ballsDrawn)
                   + QStringLiteral("  Balls in lottery ") + lb(c.ballsIn));
}

void EntryScreen::hide_extra_buttons()
{
    const int ballsIn = engine::state().cst.ballsIn;
    // The smallest custom lottery holds 9 balls: the buttons up to 9 always stay.
    const int firstExtra = engine::cstRange(engine::CstRow::BallsIn).low + 1;
    for (int n = firstExtra; n <= m_numbers.size(); ++n) {
        if (ballsIn < n) {
            m_numbers[n - 1]->setVisible(false);
            m_numbers[n - 1]->setEnabled(false);
        }
    }
}

void EntryScreen::lblCsSet_lang_update()
{
    const int row = languageRow(langCodeWithDefault());
    if (row < 0)
        return;
    m_title->setText(QString::fromUtf8(kCstSetCaptions[row]));
    // The numbers follow at its right; a longer caption takes the room at its left, below the
    // last row of number buttons.
    const Variant &v = variant(m_kind);
    widenToFit(m_title, v.firstButton.left, v.display.place.left - kCaptionGap);
}

void EntryScreen::slider_setup()
{
    m_settingUp = true;
    m_slider->setEnabled(true);
    m_slider->setRange(0, kSliderMax);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(kSliderPageStep);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setProperty(kPopupText, QString::number(kSliderStart * kPercentPerStep));
    m_slider->setValue(kSliderStart);
    m_settingUp = false;
    engine::setSkewPercent(m_kind, m_slider->value() * kPercentPerStep);
}

void EntryScreen::numberClick(int number)
{
    engine::lucky(m_kind).numClicked = static_cast<std::uint8_t>(number);
    refreshDisplay();
}

void EntryScreen::refreshDisplay()
{
    m_display->setBackgroundRole(QPalette::Window);
    setLabelBackground(m_display, Qt::white);
    if (engine::AddLuckyNum(m_kind) == engine::AddResult::Duplicate) {
        messages().show(QStringLiteral("This number was already entered"), MsgButtons::Ok,
                        QStringLiteral("Number already entered"));
    }
    captionUpdate();
    engine::LuckyState &s = engine::lucky(m_kind);
    if (s.count != engine::completionTarget(m_kind)) {
        s.entState = 0;
        return;
    }
    m_next->setEnabled(true);
    messages().show(QStringLiteral("Click Next or Undo"), MsgButtons::Ok,
                    QStringLiteral("Entry of Draws done"));
}

void EntryScreen::captionUpdate()
{
    m_display->setText(QString::fromStdString(engine::lucky(m_kind).text));
}

void EntryScreen::undoClick()
{
    m_next->setEnabled(false);
    engine::UndoLuckyNum(m_kind);
    if (variant(m_kind).undoRefreshes)
        refreshDisplay();
    else
        captionUpdate();
}

void EntryScreen::nextClick()
{
    m_next->setEnabled(false);
    engine::LuckyState &s = engine::lucky(m_kind);
    const bool complete = s.count == engine::completionTarget(m_kind);
    s.entState = complete ? 1 : 0;
    captionUpdate();
    if (!complete)
        return;
    s.entState = 2;
    handOver();
}

void EntryScreen::quickPickClick()
{
    engine::LuckyState &s = engine::lucky(m_kind);
    s.skewFac = 0;
    s.entState = 2;
    s.quickPick = 1;
    handOver();
}

void EntryScreen::handOver()
{
    hide();
    setEnabled(false);
    forms().show(SelectionScreen::nameOf(m_kind));
}

void EntryScreen::oddsClick()
{
    if (m_kind == LottKind::LottCst)
        writeCustomCaption();
    showOdds(engine::drawnOf(m_kind), engine::ballsOf(m_kind));
}

void EntryScreen::tipClick()
{
    const Variant &v = variant(m_kind);
    Tip tip = v.tip;
    if (v.tipOnTitle) {
        const int row = languageRow(langCodeWithDefault());
        if (row < 0)
            return;
        tip = kTips649[row];
    }
    messages().show(QString::fromUtf8(tip.prompt), MsgButtons::Ok, QString::fromUtf8(tip.title));
}

void EntryScreen::sliderValueChanged()
{
    // Set-up and dragging are not clicks; the release after a drag is.
    if (m_settingUp || m_slider->isSliderDown())
        return;
    sliderClick();
}

void EntryScreen::showPopupText()
{
    const QString text = m_slider->property(kPopupText).toString();
    const int x = QStyle::sliderPositionFromValue(m_slider->minimum(), m_slider->maximum(),
                                                  m_slider->sliderPosition(), m_slider->width());
    // A new spot rect on every move, so the tip follows the thumb.
    const QPoint spot(x, 0);
    QToolTip::showText(m_slider->mapToGlobal(spot), text, m_slider, QRect(spot, QSize(1, 1)));
}

void EntryScreen::sliderClick()
{
    QToolTip::hideText();
    percentUpdate();
    const QString percent = lb(engine::skewPercent(m_kind));
    m_slider->setProperty(kPopupText, percent);
    m_slider->setToolTip(QString::fromUtf8(variant(m_kind).sliderTip));
}

void EntryScreen::percentUpdate()
{
    engine::setSkewPercent(m_kind, m_slider->value() * kPercentPerStep);
    m_percent->setText(QStringLiteral("Percent chance of lucky numbers=")
                       + lb(engine::skewPercent(m_kind)));
}

} // namespace numora
