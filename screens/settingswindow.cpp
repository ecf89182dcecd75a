#include "screens/settingswindow.h"

#include "assets/pictures.h"
#include "engine/lottery.h"
#include "language/language.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/numbertext.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"

#include <QLineEdit>
#include <QPushButton>

namespace numora {

using engine::Arrow;
using engine::CstRow;

namespace {

struct RowDesign
{
    const char *nameLabel;
    const char *caption;
    int nameWidth;
    const char *text;
    const char *down;
    const char *valueLabel;
    int valueWidth;
    const char *up;
    int top; // of the name, text box and value; the arrows stand 120 higher
};

constexpr RowDesign kRows[3] = {
    {"Label1", "lucky number set   (1-8)", 2175, "Text1", "imgCBtnDn1", "Label4", 135,
     "imgCBtnUp1", 240},
    {"Label2", "balls drawn           (1-8)", 2175, "Text2", "imgCBtnDn2", "Label5", 135,
     "imgCBtnUp2", 840},
    {"Label3", "balls in lottery       (9-80)", 2055, "Text3", "imgCBtn3", "Label6", 255,
     "imgCBtnUp3", 1440},
};

// Label1 to Label3 by interface language.
constexpr const char *kCaptions[5][3] = {
    {"lucky number set        (1-8)", "balls drawn                (1-8)",
     "balls in lottery            (9-80)"},
    {"Le nombre des balles    (1-8)", "loterieballs drawn         (1-8)",
     "loterieballs in lottery      (9-80)"},
    {"Glückliche Zahlen setzen (1-8)", "Ball gezeichnet             (1-8)",
     "Ball in Lotterie              (9-80)"},
    {"Lucky numero assestata   (1-8)", "Palla disegna                 (1-8)",
     "Palla in lotteria              (9-80)"},
    {"Lucky número ponga     (1-8)", "Bolasas en lotería         (1-8)",
     "Lucky número ponga  (9-80)"},
};

constexpr int kRowLeft = 120;
constexpr int kTextLeft = 2400;
constexpr int kTextGap = 60;

const char *kRowNames[3] = {"lucky number set", "balls drawn", "balls in lottery"};

} // namespace

SettingsWindow::SettingsWindow(QWidget *parent)
    : Form(parent, fixedSingleFlags())
{
    setWindowTitle(QStringLiteral("Custom Lottery Settings"));
    setWindowIcon(icon(QStringLiteral("icon-settings")));
    setClientSizeTwips(this, 4725, 2655);
    setFont(controlFont());

    for (int i = 0; i < 3; ++i)
        createRow(i);

    auto button = [this](const char *name, const char *caption, int left) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, left, 2040, 855, 375);
        return b;
    };
    m_cancel = button("cmdCancel", "Cancel", 2640);
    m_next = button("cmdNext", "Next", 3720);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsWindow::cmdCancel_Click);
    connect(m_next, &QPushButton::clicked, this, &SettingsWindow::cmdNext_Click);
}

void SettingsWindow::createRow(int index)
{
    const RowDesign &d = kRows[index];
    const auto cstRow = static_cast<CstRow>(index);
    Row &r = m_rows[index];
    const QString rowName = QString::fromLatin1(kRowNames[index]);

    r.name = new QLabel(QString::fromUtf8(d.caption), this);
    r.name->setObjectName(QString::fromLatin1(d.nameLabel));
    placeTwips(r.name, kRowLeft, d.top, d.nameWidth, 255);

    // Both show the row's default until the user changes it.
    const QString initial = plainText(engine::cstDefault(cstRow));
    r.text = new QLineEdit(initial, this);
    r.text->setObjectName(QString::fromLatin1(d.text));
    placeTwips(r.text, kTextLeft, d.top, 375, 285);
    r.text->setAccessibleName(rowName);

    auto arrow = [&](const char *name, const char *pictureName, int left, const QString &what) {
        auto *a = new ClickLabel(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setPixmap(picture(QString::fromLatin1(pictureName)));
        placeTwips(a, left, d.top - 120, 480, 480);
        a->setAccessibleName(rowName + what);
        return a;
    };
    r.down = arrow(d.down, "arrow-down", 3000, QStringLiteral(" down"));
    r.up = arrow(d.up, "arrow-up", 4080, QStringLiteral(" up"));

    r.value = new QLabel(initial, this);
    r.value->setObjectName(QString::fromLatin1(d.valueLabel));
    placeTwips(r.value, 3720, d.top, d.valueWidth, 255);

    connect(r.down, &ClickLabel::clicked, this, [this, cstRow] { arrowClick(cstRow, Arrow::Down); });
    connect(r.up, &ClickLabel::clicked, this, [this, cstRow] { arrowClick(cstRow, Arrow::Up); });
    connect(r.text, &QLineEdit::textChanged, this, [this, cstRow] { textChange(cstRow); });
}

void SettingsWindow::load()
{
    engine::CustomSettings &c = engine::state().cst;
    c.setSize = 6;
    c.ballsDrawn = 6;
    c.ballsIn = 49;
    setEnabled(true);
    show();
    for (Row &r : m_rows) {
        setLabelBackground(r.name, Qt::white);
        setLabelBackground(r.value, Qt::white);
    }
    const int language = languageRow(LangCode());
    if (language < 0)
        return;
    for (int i = 0; i < 3; ++i) {
        m_rows[i].name->setText(QString::fromUtf8(kCaptions[language][i]));
        // A longer caption may take the room up to its text box.
        widenToFit(m_rows[i].name, kRowLeft, kTextLeft - kTextGap);
    }
}

void SettingsWindow::arrowClick(CstRow which, Arrow arrow)
{
    const QString value = lb(engine::cstArrow(which, arrow));
    row(which).text->setText(value);
    row(which).value->setText(value);
}

void SettingsWindow::textChange(CstRow which)
{
    const int value = engine::cstTextChanged(which, row(which).text->text().toStdString());
    row(which).value->setText(lb(value));
}

void SettingsWindow::cmdNext_Click()
{
    if (forms().isVisible(names::EntryCst))
        return;
    std::array<std::string, 3> texts;
    for (int i = 0; i < 3; ++i)
        texts[i] = m_rows[i].text->text().toStdString();
    const engine::CstNextOutcome outcome = engine::cstNext(texts);
    for (const engine::CstStep &step : outcome.steps) {
        if (step.kind == engine::CstStep::Kind::Message)
            messages().show(QString::fromStdString(step.text));
        else
            row(step.row).text->setText(QString::fromStdString(step.text));
    }
    // The corrected boxes raised their change events on the way; the checked values stand.
    engine::setCstValue(CstRow::SetSize, outcome.setSize);
    engine::setCstValue(CstRow::BallsDrawn, outcome.ballsDrawn);
    engine::setCstValue(CstRow::BallsIn, outcome.ballsIn);
    forms().show(names::EntryCst);
}

void SettingsWindow::cmdCancel_Click()
{
    setEnabled(false);
    hide();
    if (QWidget *main = forms().form(names::MainWindow)) {
        main->setEnabled(true);
        forms().show(names::MainWindow);
    }
}

} // namespace numora
