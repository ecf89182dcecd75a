#include "screens/entryscreen.h"

#include "assets/pictures.h"
#include "engine/numtext.h"
#include "language/language.h"
#include "screens/controls.h"
#include "screens/names.h"
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

struct Rect
{
    int left, top, width, height;
};

struct Control
{
    const char *name;
    Rect place;
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
    Rect firstButton; // left, top, width, height of btnS1
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
        {names::Entry649, "Numora- Enter  6 lucky numbers", 5775, 5370, true, "entry649",
         "icon-649", 49, 9, {240, 600, 495, 375}, 600, 600,
         {"lbl649ent", {2760, 3480, 1455, 255}}, "Lucky 649 numbers",
         {"lbl649ent_shw", {2760, 3840, 1455, 255}},
         {"lblSliVal", {1560, 4200, 2775, 255}},
         {"Slider1", {1560, 4560, 2775, 630}},
         {"cmd649Odds", {240, 4320, 1095, 375}},
         {"btnQuickPick649", {240, 4800, 1095, 375}},
         {"btnUndo", {4440, 4320, 1095, 375}},
         {"btnNext", {4440, 4800, 1095, 375}},
         "Gives  randomly generated selections without lucky numbers skewed in, percent lucky "
         "numbers=0.",
         "Numora adds the 649 lucky number skew here", false, true, {nullptr, nullptr}},
        {names::EntryS7, "Enter 7 lucky numbers", 5760, 5370, false, "entryS7", "icon-s7", 47, 9,
         {240, 600, 495, 375}, 600, 600,
         {"lblS7", {2280, 3480, 1575, 255}}, "  Lucky S7 numbers",
         {"lblS7ent", {2280, 3840, 1575, 255}},
         {"lblSliS7Val", {1560, 4200, 2775, 255}},
         {"SliS7", {1560, 4560, 2775, 630}},
         {"cmdS7Odds", {240, 4200, 1095, 375}},
         {"btnQuickPickS7", {240, 4800, 1095, 375}},
         {"btnUndoS7", {4560, 4200, 975, 375}},
         {"btnNextS7", {4560, 4800, 975, 375}},
         nullptr, "Numora adds the S7 lucky number skew here", true, false,
         {"Start Picking by clicking the number buttons",
          "When a number button is clicked it is shown in this space"}},
        {names::EntryCst, "Enter Custom Lottery ", 5520, 5580, false, "entryCst", "icon-cst", 80,
         8, {360, 360, 495, 255}, 600, 360,
         {"lblCsSet", {1440, 3960, 1455, 255}}, "Lucky number set",
         {"lblCsent", {2880, 3960, 2175, 255}},
         {"lblSliCstVal", {1440, 4320, 2775, 255}},
         {"SliCst", {1440, 4680, 2775, 495}},
         {"cmdCOdds", {360, 4320, 975, 375}},
         {"btnQuickPickCst", {360, 4800, 975, 375}},
         {"btnUndoCst", {4320, 4320, 855, 375}},
         {"btnNextCst", {4320, 4800, 855, 375}},
         nullptr, "Numora adds the Cst lucky number skew here", true, false,
         {"Lucky number set", "Enter the lucky number set here"}},
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

// Between a caption widened for its language and the control it leads to.
constexpr int kCaptionGap = 60;

// The custom title label by interface language.
constexpr const char *kCstSetCaptions[] = {
    "Lucky number set", "Nombre Chanceux", "Glücklich Zahlen setzen", "Lucky numero assestata",
    "Lucky number set",
};

QString lb(long long n)
{
    return QString::fromStdString(engine::leadingBlank(n));
}

void place(QWidget *widget, const Control &control)
{
    widget->setObjectName(QString::fromLatin1(control.name));
    placeTwips(widget, control.place.left, control.place.top, control.place.width,
               control.place.height);
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

    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("background"));
    const QPixmap pixmap = picture(QString::fromLatin1(v.picture));
    background->setPixmap(pixmap);
    background->setGeometry(QRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize()));

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
        centreOnScreen(this);
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
    for (int n = 10; n <= m_numbers.size(); ++n) {
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
    m_slider->setRange(0, 9);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(5);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setProperty(kPopupText, QStringLiteral("20"));
    m_slider->setValue(2);
    m_settingUp = false;
    engine::setSkewPercent(m_kind, m_slider->value() * 10);
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
    engine::setSkewPercent(m_kind, m_slider->value() * 10);
    m_percent->setText(QStringLiteral("Percent chance of lucky numbers=")
                       + lb(engine::skewPercent(m_kind)));
}

} // namespace numora
