#include "program_fixture.h"

#include "engine/lottery.h"
#include "language/language.h"
#include "screens/displaywindow.h"
#include "screens/oddswindow.h"
#include "screens/selectionscreen.h"
#include "screens/services/textcanvas.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <optional>

using namespace numora;
namespace names = numora::names;

namespace {

struct Misfit
{
    QString control;
    const char *dimension;
    int needed;
    int available;
};

// What a control's caption needs and what it has, both as its style lays it out.
struct Room
{
    QSize needed;
    QSize available;
};

QStringList linesOf(const QString &text)
{
    return QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n'));
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : linesOf(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The height of a caption's lines, one below the other.
int linesHeight(const QFontMetrics &metrics, const QString &text)
{
    return int(linesOf(text).size()) * metrics.height();
}

// The room of a control's caption, or nothing for a control that shows none.
std::optional<Room> captionRoom(QWidget *w)
{
    QStyle *style = w->style();
    const QFontMetrics metrics(w->font());
    if (auto *option = qobject_cast<QRadioButton *>(w); option || qobject_cast<QCheckBox *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        const auto element = option ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return Room{{widestLine(metrics, button->text()), linesHeight(metrics, button->text())},
                    style->subElementRect(element, &opt, button).size()};
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        if (button->text().isEmpty())
            return std::nullopt;
        // The frame and the margin the style puts around a push button's label.
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 2 * frame;
        return Room{{widestLine(metrics, button->text()) + margins,
                     linesHeight(metrics, button->text()) + 2 * frame},
                    button->size()};
    }
    if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (frame->title().isEmpty())
            return std::nullopt;
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt,
                                                  QStyle::SC_GroupBoxLabel, frame);
        return Room{{label.left() + metrics.horizontalAdvance(frame->title()),
                     std::max(0, label.top()) + metrics.height()},
                    frame->size()};
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().trimmed().isEmpty())
            return std::nullopt;
        const QRect contents = label->contentsRect();
        const int margins = 2 * label->margin();
        if (label->wordWrap()) {
            // The lines the label breaks its text into at its own width, one below the other.
            int width = 0;
            if (label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text())) {
                const QRect room(0, 0, contents.width() - margins, 100000);
                width = metrics.boundingRect(room, Qt::TextWordWrap | int(label->alignment()),
                                             label->text()).width() + margins;
            }
            return Room{{width, label->heightForWidth(label->width())},
                        {contents.width(), label->height()}};
        }
        return Room{{widestLine(metrics, label->text()) + margins + std::max(0, label->indent()),
                     label->sizeHint().height()},
                    {contents.width(), label->height()}};
    }
    return std::nullopt;
}

QList<Misfit> misfits(QWidget *window)
{
    QList<Misfit> found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const std::optional<Room> room = captionRoom(w);
        if (!room)
            continue;
        if (room->needed.width() > room->available.width())
            found.append({w->objectName(), "width", room->needed.width(), room->available.width()});
        if (room->needed.height() > room->available.height())
            found.append({w->objectName(), "height", room->needed.height(), room->available.height()});
    }
    return found;
}

// Where the lines of a text canvas leave its window's client area: a line's box (its top to
// its top plus its height) and the ink of each of its items must both lie inside.
QStringList canvasMisfits(const TextCanvas *canvas)
{
    QStringList found;
    const QRect client = canvas->parentWidget()->rect();
    if (canvas->geometry() != client)
        found << QStringLiteral("the canvas does not cover the client area");
    const QList<QStringList> lines = canvas->lines();
    for (int line = 0; line < lines.size(); ++line) {
        const QFontMetrics metrics(canvas->lineFont(line));
        const int top = canvas->lineTop(line);
        const int bottom = top + canvas->lineHeight(line);
        if (top < 0 || bottom > client.height())
            found << QStringLiteral("line %1 spans %2 to %3 of %4 px")
                         .arg(line + 1).arg(top).arg(bottom).arg(client.height());
        for (int item = 0; item < lines[line].size(); ++item) {
            const QString &text = lines[line][item];
            if (text.trimmed().isEmpty())
                continue;
            const QRect ink = metrics.tightBoundingRect(text).translated(canvas->itemX(line, item),
                                                                         canvas->baseline(line));
            if (!client.contains(ink))
                found << QStringLiteral("line %1 \"%2\" is drawn at %3,%4 %5 x %6 in %7 x %8 px")
                             .arg(line + 1).arg(text).arg(ink.x()).arg(ink.y()).arg(ink.width())
                             .arg(ink.height()).arg(client.width()).arg(client.height());
            if (ink.top() < top || ink.bottom() >= bottom)
                found << QStringLiteral("line %1 \"%2\" runs out of its line, %3 to %4 in %5 to %6")
                             .arg(line + 1).arg(text).arg(ink.top()).arg(ink.bottom() + 1)
                             .arg(top).arg(bottom);
        }
    }
    return found;
}

// Every window whose controls carry captions, as a user meets them.
const QStringList kWindows{
    names::MainWindow, names::Entry649, names::EntryS7, names::EntryCst, names::SelectPrn649,
    names::SelectPrnS7, names::SelectPrnCst, names::Display649, names::DisplayS7,
    names::DisplayCst, names::Odds, names::LottSet, names::Help, names::Video, names::About,
    names::Licence, names::Splash};

// Every lottery whose odds the program can show: the two fixed lotteries, and a custom lottery
// of each number of balls drawn, with the most balls (the longest numbers) and with the fewest.
struct Lottery
{
    int drawn;
    int balls;
};
const Lottery kOddsLotteries[] = {{6, 49}, {7, 47}, {1, 80}, {2, 80}, {3, 80}, {4, 80},
                                  {5, 80}, {6, 80}, {7, 80}, {8, 80}, {1, 9}, {8, 9}};

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
                              << " in language " << language << ": the caption needs a "
                              << m.dimension << " of " << m.needed << " px, the control has "
                              << m.available << " px";
            if (name != names::MainWindow && name != names::Help)
                forms().hide(name);
        }
    }
}

// The odds report's print zones follow the window's font: every field of the header and of the
// rows ends left of the Close button, and no line runs past the window.
TEST_F(ProgramTest, EveryOddsFieldEndsLeftOfTheCloseButton)
{
    for (int language = 1; language <= 5; ++language) {
        LangCode() = std::uint8_t(language);
        for (const Lottery &lottery : kOddsLotteries) {
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

// Every line of the odds report lies whole inside the odds window, whose size is fixed.
TEST_F(ProgramTest, EveryOddsReportLiesWholeInsideTheOddsWindow)
{
    for (int language = 1; language <= 5; ++language) {
        LangCode() = std::uint8_t(language);
        for (const Lottery &lottery : kOddsLotteries) {
            showOdds(lottery.drawn, lottery.balls);
            auto *window = forms().form<OddsWindow>(names::Odds);
            ASSERT_NE(window, nullptr);
            for (const QString &misfit : canvasMisfits(window->canvas()))
                ADD_FAILURE() << lottery.drawn << "/" << lottery.balls << " in language "
                              << language << ": " << misfit.toStdString();
        }
    }
}

// Every ticket line lies whole inside the display window, at the height the window takes for
// five, ten and twenty tickets, for each lottery (the custom one at its widest, 8 of 80).
TEST_F(ProgramTest, EveryDisplayWindowShowsItsTicketsWholeInsideIt)
{
    const struct {
        engine::LottKind kind;
        const char *optionPrefix;
    } lotteries[] = {{engine::LottKind::Lott649, "optSel"},
                     {engine::LottKind::LottS7, "opSel"},
                     {engine::LottKind::LottCst, "opSel"}};
    for (int language = 1; language <= 5; ++language) {
        for (const auto &lottery : lotteries) {
            for (int count : {5, 10, 20}) {
                const QString screen = SelectionScreen::nameOf(lottery.kind);
                const QString display = DisplayWindow::nameOf(lottery.kind);
                forms().unload(screen);
                forms().unload(display);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                engine::resetState();
                LangCode() = std::uint8_t(language);
                engine::state().cst = {8, 80, 8, 0, 1};
                for (int n = 1; n <= engine::completionTarget(lottery.kind); ++n) {
                    engine::lucky(lottery.kind).numClicked = static_cast<std::uint8_t>(n * 3);
                    engine::AddLuckyNum(lottery.kind);
                }
                engine::lucky(lottery.kind).entState = 2;
                forms().show(screen);
                click(screen, QString::fromLatin1(lottery.optionPrefix) + QString::number(count));
                click(screen, QStringLiteral("disSel"));
                auto *window = forms().form<DisplayWindow>(display);
                ASSERT_NE(window, nullptr);
                ASSERT_EQ(window->canvas()->lineCount(), count);
                for (const QString &misfit : canvasMisfits(window->canvas()))
                    ADD_FAILURE() << display.toStdString() << " with " << count
                                  << " tickets in language " << language << ": "
                                  << misfit.toStdString();
            }
        }
    }
}
