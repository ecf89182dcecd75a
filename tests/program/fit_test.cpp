#include "program_fixture.h"

#include "language/language.h"
#include "screens/oddswindow.h"
#include "screens/services/textcanvas.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

using namespace numora;
namespace names = numora::names;

namespace {

struct Misfit
{
    QString control;
    int needed;
    int available;
};

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The width a control's caption needs and the width it has, both as its style lays it out.
// Returns false for a control that shows no caption.
bool captionWidths(QWidget *w, int &needed, int &available)
{
    QStyle *style = w->style();
    const QFontMetrics metrics(w->font());
    if (auto *option = qobject_cast<QRadioButton *>(w); option || qobject_cast<QCheckBox *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        if (button->text().isEmpty())
            return false;
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        const auto element = option ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        needed = widestLine(metrics, QString(button->text()).remove(QLatin1Char('&')));
        available = style->subElementRect(element, &opt, button).width();
        return true;
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        if (button->text().isEmpty())
            return false;
        // The frame and the margin the style puts around a push button's label.
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        needed = widestLine(metrics, QString(button->text()).remove(QLatin1Char('&'))) + margins;
        available = button->width();
        return true;
    }
    if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (frame->title().isEmpty())
            return false;
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt,
                                                  QStyle::SC_GroupBoxLabel, frame);
        needed = label.left() + metrics.horizontalAdvance(frame->title());
        available = frame->width();
        return true;
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().trimmed().isEmpty() || label->wordWrap())
            return false;
        needed = widestLine(metrics, label->text()) + 2 * label->margin()
            + std::max(0, label->indent());
        available = label->contentsRect().width();
        return true;
    }
    return false;
}

QList<Misfit> misfits(QWidget *window)
{
    QList<Misfit> found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        int needed = 0;
        int available = 0;
        if (!w->isVisibleTo(window) || !captionWidths(w, needed, available))
            continue;
        if (needed > available)
            found.append({w->objectName(), needed, available});
    }
    return found;
}

// Every window whose controls carry captions, as a user meets them.
const QStringList kWindows{
    names::MainWindow, names::Entry649, names::EntryS7, names::EntryCst, names::SelectPrn649,
    names::SelectPrnS7, names::SelectPrnCst, names::Display649, names::DisplayS7,
    names::DisplayCst, names::Odds, names::LottSet, names::Help, names::Video, names::About,
    names::Licence, names::Splash};

// The flag of each language in the help window.
const char *const kFlagOf[] = {"PicUS", "picFRA", "picGER", "PicITA", "picSPA"};

} // namespace

// In every language every caption fits its control: the language is chosen by the help
// window's flags and each window is loaded afresh, as the program does.
TEST_F(ProgramTest, EveryCaptionFitsItsControlInEveryLanguage)
{
    engine::state().cst = {6, 49, 6, 0, 1};
    for (int language = 1; language <= 5; ++language) {
        forms().show(names::Help);
        clickLabel(names::Help, QString::fromLatin1(kFlagOf[language - 1]));
        ASSERT_EQ(LangCode(), language);
        for (const QString &name : kWindows) {
            if (name != names::MainWindow)
                forms().unload(name);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QWidget *window = forms().show(name);
            ASSERT_NE(window, nullptr) << name.toStdString();
            for (const Misfit &m : misfits(window))
                ADD_FAILURE() << name.toStdString() << "/" << m.control.toStdString()
                              << " in language " << language << ": the caption needs "
                              << m.needed << " px, the control has " << m.available << " px";
            if (name != names::MainWindow && name != names::Help)
                forms().hide(name);
        }
    }
}

// The odds report's print zones follow the window's font: every field of the header and of the
// rows ends left of the Close button, and no line runs past the window.
TEST_F(ProgramTest, EveryOddsFieldEndsLeftOfTheCloseButton)
{
    const struct {
        int drawn;
        int balls;
    } lotteries[] = {{6, 49}, {7, 47}, {8, 80}, {1, 9}};
    for (int language = 1; language <= 5; ++language) {
        LangCode() = std::uint8_t(language);
        for (const auto &lottery : lotteries) {
            showOdds(lottery.drawn, lottery.balls);
            auto *window = forms().form<OddsWindow>(names::Odds);
            ASSERT_NE(window, nullptr);
            auto *canvas = window->findChild<TextCanvas *>();
            auto *close = window->findChild<QPushButton *>(QStringLiteral("cmdOddsLottClose"));
            ASSERT_TRUE(canvas && close);
            const QList<QStringList> lines = canvas->lines();
            for (int line = 0; line < lines.size(); ++line) {
                const QFontMetrics metrics(canvas->lineFont(line));
                const bool zoned = lines[line].size() == 4;
                const int limit = zoned ? close->x() : window->width();
                for (int item = 0; item < lines[line].size(); ++item) {
                    const int end = canvas->itemX(line, item)
                        + metrics.horizontalAdvance(lines[line][item]);
                    EXPECT_LE(end, limit)
                        << lottery.drawn << "/" << lottery.balls << " in language " << language
                        << ", line " << line + 1 << " field " << item + 1 << " \""
                        << lines[line][item].toStdString() << "\"";
                    // No field is so long that it pushes the next one a zone further.
                    if (zoned) {
                        EXPECT_EQ(canvas->itemX(line, item),
                                  item * canvas->zoneWidth(canvas->lineFont(line)))
                            << "line " << line + 1 << " field " << item + 1;
                    }
                }
            }
        }
    }
}
