#include "windows_fixture.h"

#include "language/language.h"
#include "screens/displaywindow.h"
#include "screens/entryscreen.h"
#include "screens/services/names.h"
#include "engine/odds.h"
#include "screens/oddswindow.h"
#include "screens/selectionscreen.h"
#include "screens/settingswindow.h"
#include "screens/services/textcanvas.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOptionSlider>

#include <set>

using namespace numora;
using engine::LottKind;
namespace names = numora::names;

namespace {

// Also notes what the three settings boxes held when each box was shown.
class SnapshotMessages : public ScriptedMessages
{
public:
    MsgAnswer show(const QString &text, MsgButtons buttons, const QString &title, MsgIcon icon,
                   QWidget *owner) override
    {
        if (auto *settings = forms().isLoaded(names::LottSet) ? forms().form(names::LottSet) : nullptr) {
            QStringList texts;
            for (const char *name : {"Text1", "Text2", "Text3"})
                texts << settings->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
            boxTexts << texts.join(QLatin1Char('|'));
        }
        return ScriptedMessages::show(text, buttons, title, icon, owner);
    }
    QStringList boxTexts;
};

const ShownMessage kDone{QStringLiteral("Click Next or Undo"), QStringLiteral("Entry of Draws done")};
const ShownMessage kDuplicate{QStringLiteral("This number was already entered"),
                              QStringLiteral("Number already entered")};

class EntryTest : public WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        setMessages(&snapshots);
    }

    void clickNumbers(LottKind kind, std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            click(EntryScreen::nameOf(kind), QStringLiteral("btnS%1").arg(n));
    }
    QLabel *displayLabel(LottKind kind)
    {
        const char *names[] = {"lbl649ent_shw", "lblS7ent", "lblCsent"};
        return child<QLabel>(EntryScreen::nameOf(kind), QString::fromLatin1(names[engine::index(kind)]));
    }
    QPushButton *button(LottKind kind, const char *prefix)
    {
        const char *suffix[] = {"", "S7", "Cst"};
        QString name = QString::fromLatin1(prefix) + QString::fromLatin1(suffix[engine::index(kind)]);
        if (kind == LottKind::Lott649 && name == "btnQuickPick")
            name += "649";
        return child<QPushButton>(EntryScreen::nameOf(kind), name);
    }
    static bool isWhite(QLabel *label)
    {
        return label->backgroundRole() == QPalette::Window && label->autoFillBackground()
            && label->palette().color(QPalette::Window) == QColor(Qt::white);
    }
    QStringList shownLines(LottKind kind)
    {
        QStringList lines;
        for (const QStringList &items : forms().form<DisplayWindow>(DisplayWindow::nameOf(kind))->canvas()->lines())
            lines << items.join(QString());
        return lines;
    }
    static QRect sliderPart(QSlider *slider, QStyle::SubControl part)
    {
        QStyleOptionSlider opt;
        opt.initFrom(slider);
        opt.orientation = slider->orientation();
        opt.minimum = slider->minimum();
        opt.maximum = slider->maximum();
        opt.sliderPosition = opt.sliderValue = slider->value();
        opt.tickPosition = slider->tickPosition();
        opt.tickInterval = slider->tickInterval();
        opt.pageStep = slider->pageStep();
        opt.subControls = QStyle::SC_All;
        return slider->style()->subControlRect(QStyle::CC_Slider, &opt, part, slider);
    }
    QList<QStringList> oddsLines()
    {
        return forms().form<OddsWindow>(names::Odds)->canvas()->lines();
    }
    void setTexts(const QString &s, const QString &d, const QString &b)
    {
        child<QLineEdit>(names::LottSet, "Text1")->setText(s);
        child<QLineEdit>(names::LottSet, "Text2")->setText(d);
        child<QLineEdit>(names::LottSet, "Text3")->setText(b);
    }
    QStringList settingsTexts(const char *a, const char *b, const char *c)
    {
        QStringList texts;
        for (const char *name : {a, b, c}) {
            if (auto *edit = child<QLineEdit>(names::LottSet, QString::fromLatin1(name)))
                texts << edit->text();
            else
                texts << child<QLabel>(names::LottSet, QString::fromLatin1(name))->text();
        }
        return texts;
    }

    SnapshotMessages snapshots;
};

} // namespace

TEST_F(EntryTest, Full649FlowFromTheMainWindow)
{
    forms().show(names::MainWindow);
    click(names::MainWindow, "cmd649");
    auto *screen = forms().form(names::Entry649);
    ASSERT_TRUE(screen && screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), "Numora- Enter  6 lucky numbers");
    EXPECT_EQ(screen->size(), QSize(385, 358));
    EXPECT_EQ(child<QPushButton>(names::Entry649, "btnS1")->geometry(), QRect(16, 40, 33, 25));
    EXPECT_EQ(child<QPushButton>(names::Entry649, "btnS10")->geometry(), QRect(16, 80, 33, 25));
    EXPECT_EQ(child<QPushButton>(names::Entry649, "btnS49")->geometry(), QRect(136, 240, 33, 25));
    EXPECT_EQ(child<QPushButton>(names::Entry649, "btnS50"), nullptr);
    EXPECT_EQ(child<QLabel>(names::Entry649, "lblSliVal")->text(), "Percent chance of lucky numbers= 20");
    EXPECT_EQ(engine::state().ballsInLott, 49);
    EXPECT_EQ(engine::state().ballsDrawn, 6);
    EXPECT_EQ(engine::skewPercent(LottKind::Lott649), 20);
    EXPECT_EQ(engine::lucky(LottKind::Lott649).skewFac, 0.25);
    EXPECT_FALSE(button(LottKind::Lott649, "btnNext")->isEnabled());

    clickNumbers(LottKind::Lott649, {5, 12, 33, 7, 41});
    EXPECT_TRUE(snapshots.shown().isEmpty());
    EXPECT_FALSE(button(LottKind::Lott649, "btnNext")->isEnabled());
    clickNumbers(LottKind::Lott649, {2});
    EXPECT_EQ(snapshots.shown(), QList<ShownMessage>{kDone});
    EXPECT_EQ(displayLabel(LottKind::Lott649)->text(), "5 12 33 7 41 2 ");

    click(names::Entry649, "btnNext");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(screen->isEnabled());
    EXPECT_EQ(engine::lucky(LottKind::Lott649).entState, 2);
    EXPECT_EQ(engine::lucky(LottKind::Lott649).quickPick, 0);
    ASSERT_TRUE(forms().isVisible(names::SelectPrn649));
    EXPECT_EQ(child<QLabel>(names::SelectPrn649, "lblSkewInfo")->text(), "Percent chance of lucky numbers= 20");

    click(names::SelectPrn649, "disSel");
    const QStringList lines = shownLines(LottKind::Lott649);
    ASSERT_EQ(lines.size(), 5);
    for (const QString &line : lines) {
        std::set<int> numbers;
        for (const QString &part : line.split(' ', Qt::SkipEmptyParts))
            numbers.insert(part.toInt());
        EXPECT_EQ(numbers.size(), 6u) << line.toStdString();
        EXPECT_GE(*numbers.begin(), 1);
        EXPECT_LE(*numbers.rbegin(), 49);
    }
    EXPECT_EQ(snapshots.shown().size(), 1);

    // Handed over: the main window no longer brings the screen back.
    click(names::MainWindow, "cmd649");
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(EntryTest, DuplicateAndSeventhNumberOnACompleteSet)
{
    forms().show(names::Entry649);
    clickNumbers(LottKind::Lott649, {5, 12, 33, 7, 41, 2});
    snapshots.clear();
    clickNumbers(LottKind::Lott649, {12});
    EXPECT_EQ(snapshots.shown(), (QList<ShownMessage>{kDuplicate, kDone}));
    clickNumbers(LottKind::Lott649, {40});
    EXPECT_EQ(snapshots.shown(), (QList<ShownMessage>{kDuplicate, kDone, kDone}));
    EXPECT_EQ(displayLabel(LottKind::Lott649)->text(), "5 12 33 7 41 2 ");
    EXPECT_EQ(engine::lucky(LottKind::Lott649).count, 6);

    // A duplicate in an incomplete set: the message alone.
    forms().show(names::EntryS7);
    clickNumbers(LottKind::LottS7, {3, 3});
    EXPECT_EQ(snapshots.shown().last(), kDuplicate);
    EXPECT_EQ(displayLabel(LottKind::LottS7)->text(), "3 ");
}

TEST_F(EntryTest, UndoRemovesTheLastNumber)
{
    forms().show(names::Entry649);
    clickNumbers(LottKind::Lott649, {5, 12, 33, 7, 41, 2});
    click(names::Entry649, "btnUndo");
    EXPECT_EQ(displayLabel(LottKind::Lott649)->text(), "5 12 33 7 41 ");
    EXPECT_FALSE(button(LottKind::Lott649, "btnNext")->isEnabled());
    EXPECT_EQ(snapshots.shown().size(), 1);
    clickNumbers(LottKind::Lott649, {2});
    EXPECT_TRUE(button(LottKind::Lott649, "btnNext")->isEnabled());
    EXPECT_EQ(snapshots.shown().size(), 2);

    // Custom: Undo on a complete set.
    engine::state().cst = {2, 49, 6, 0, 1};
    forms().show(names::EntryCst);
    clickNumbers(LottKind::LottCst, {8, 9});
    click(names::EntryCst, "btnUndoCst");
    EXPECT_EQ(displayLabel(LottKind::LottCst)->text(), "8 ");
    EXPECT_EQ(snapshots.shown().size(), 3);
}

TEST_F(EntryTest, UndoOnAnEmptySetWhitensTheLabelWhereTheFullRefreshRuns)
{
    engine::state().cst = {6, 49, 6, 0, 1};
    const struct { LottKind kind; bool white; } cases[] = {
        {LottKind::Lott649, false}, {LottKind::LottS7, true}, {LottKind::LottCst, true}};
    for (const auto &c : cases) {
        forms().show(EntryScreen::nameOf(c.kind));
        QLabel *label = displayLabel(c.kind);
        EXPECT_EQ(label->backgroundRole(), QPalette::HighlightedText);
        EXPECT_EQ(label->toolTip(), "Shows your lucky numbers picked.");
        button(c.kind, "btnUndo")->click();
        EXPECT_EQ(isWhite(label), c.white) << engine::index(c.kind);
        EXPECT_EQ(label->text(), "");
        EXPECT_EQ(engine::lucky(c.kind).count, 0);
        EXPECT_FALSE(button(c.kind, "btnNext")->isEnabled());
    }
    EXPECT_TRUE(snapshots.shown().isEmpty());
    clickNumbers(LottKind::Lott649, {1});
    EXPECT_TRUE(isWhite(displayLabel(LottKind::Lott649)));
}

TEST_F(EntryTest, QuickPickOnAnEmptySet)
{
    forms().show(names::MainWindow);
    click(names::MainWindow, "cmdS7");
    auto *screen = forms().form(names::EntryS7);
    click(names::EntryS7, "btnQuickPickS7");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(screen->isEnabled());
    const engine::LuckyState &s = engine::lucky(LottKind::LottS7);
    EXPECT_EQ(s.skewFac, 0.0);
    EXPECT_EQ(s.entState, 2);
    EXPECT_EQ(s.quickPick, 1);
    ASSERT_TRUE(forms().isVisible(names::SelectPrnS7));
    EXPECT_EQ(child<QLabel>(names::SelectPrnS7, "lblSkewInfo_S7")->text(), "Quick Pick sets no lucky numbers= 0");
    click(names::SelectPrnS7, "disSel");
    EXPECT_EQ(shownLines(LottKind::LottS7).size(), 5);
    EXPECT_TRUE(snapshots.shown().isEmpty());
    EXPECT_EQ(button(LottKind::Lott649, "btnQuickPick")->toolTip(),
              "Gives  randomly generated selections without lucky numbers skewed in, percent lucky numbers=0.");
    EXPECT_EQ(button(LottKind::LottS7, "btnQuickPick")->toolTip(), "");
}

TEST_F(EntryTest, SliderSetsTheSkew)
{
    forms().show(names::Entry649);
    auto *slider = child<QSlider>(names::Entry649, "Slider1");
    auto *label = child<QLabel>(names::Entry649, "lblSliVal");
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(slider->maximum(), 9);
    EXPECT_EQ(slider->pageStep(), 5);
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(slider->property(EntryScreen::kPopupText).toString(), "20");
    EXPECT_EQ(slider->toolTip(), "");

    const struct { Qt::Key key; int percent; double factor; const char *label; } cases[] = {
        {Qt::Key_End, 90, 9.0, "Percent chance of lucky numbers= 90"},
        {Qt::Key_Home, 0, 0.0, "Percent chance of lucky numbers= 0"},
        {Qt::Key_Right, 10, 10.0 / 90.0, "Percent chance of lucky numbers= 10"},
    };
    for (const auto &c : cases) {
        QTest::keyClick(slider, c.key);
        EXPECT_EQ(engine::skewPercent(LottKind::Lott649), c.percent);
        EXPECT_DOUBLE_EQ(engine::lucky(LottKind::Lott649).skewFac, c.factor);
        EXPECT_EQ(label->text(), c.label);
        EXPECT_EQ(slider->property(EntryScreen::kPopupText).toString(), QString(" %1").arg(c.percent));
        EXPECT_EQ(slider->toolTip(), "Numora adds the 649 lucky number skew here");
    }

    // A mouse click on the groove right of the thumb moves a page.
    const QRect groove = sliderPart(slider, QStyle::SC_SliderGroove);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(groove.right() - 2, groove.center().y()));
    EXPECT_EQ(slider->value(), 6);
    EXPECT_EQ(engine::skewPercent(LottKind::Lott649), 60);
    EXPECT_EQ(label->text(), "Percent chance of lucky numbers= 60");

    // Dragging the thumb is no click; letting it go is.
    QTest::keyClick(slider, Qt::Key_Home);
    const QPoint thumb = sliderPart(slider, QStyle::SC_SliderHandle).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, QPoint(groove.right(), thumb.y()));
    EXPECT_EQ(slider->value(), 9);
    EXPECT_EQ(engine::skewPercent(LottKind::Lott649), 0);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(groove.right(), thumb.y()));
    EXPECT_EQ(engine::skewPercent(LottKind::Lott649), 90);
    EXPECT_EQ(slider->property(EntryScreen::kPopupText).toString(), " 90");

    // From the start at 20 an arrow key moves one step either way; a click beside the thumb
    // moves five, or to the end, so 30 is an arrow key's step and no click's.
    const QPoint leftEnd(groove.left() + 2, groove.center().y());
    const QPoint rightEnd(groove.right() - 2, groove.center().y());
    const struct { const char *move; int from; int to; } moves[] = {
        {"Right", 2, 3}, {"Left", 3, 2}, {"click right", 2, 7}, {"click left", 7, 2},
        {"click left", 2, 0}, {"click right", 0, 5}, {"click right", 5, 9}, {"click left", 9, 4},
    };
    for (const auto &m : moves) {
        SCOPED_TRACE(m.move);
        {
            const QSignalBlocker quiet(slider);
            slider->setValue(m.from);
        }
        const QString move = QString::fromLatin1(m.move);
        if (move == "Right" || move == "Left")
            QTest::keyClick(slider, move == "Right" ? Qt::Key_Right : Qt::Key_Left);
        else
            QTest::mouseClick(slider, Qt::LeftButton, {}, move.endsWith("right") ? rightEnd : leftEnd);
        EXPECT_EQ(slider->value(), m.to);
        EXPECT_EQ(label->text(), QString("Percent chance of lucky numbers= %1").arg(m.to * 10));
    }
}

TEST_F(EntryTest, PercentLabelClickLeavesPopUpTextAndToolTip)
{
    forms().show(names::EntryCst);
    auto *slider = child<QSlider>(names::EntryCst, "SliCst");
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(5);
    }
    EXPECT_EQ(engine::skewPercent(LottKind::LottCst), 20);
    clickLabel(names::EntryCst, "lblSliCstVal");
    EXPECT_EQ(engine::skewPercent(LottKind::LottCst), 50);
    EXPECT_EQ(engine::lucky(LottKind::LottCst).skewFac, 1.0);
    EXPECT_EQ(child<QLabel>(names::EntryCst, "lblSliCstVal")->text(), "Percent chance of lucky numbers= 50");
    EXPECT_EQ(slider->property(EntryScreen::kPopupText).toString(), "20");
    EXPECT_EQ(slider->toolTip(), "");
}

TEST_F(EntryTest, ClosingKeepsTheSetAndReloadsTheDesignState)
{
    forms().show(names::EntryS7);
    clickNumbers(LottKind::LottS7, {4, 9});
    QTest::keyClick(child<QSlider>(names::EntryS7, "SliS7"), Qt::Key_End);
    forms().form(names::EntryS7)->close();
    EXPECT_FALSE(forms().isLoaded(names::EntryS7));
    forms().show(names::EntryS7);
    EXPECT_EQ(displayLabel(LottKind::LottS7)->text(), "");
    EXPECT_EQ(engine::skewPercent(LottKind::LottS7), 20);
    EXPECT_EQ(child<QSlider>(names::EntryS7, "SliS7")->value(), 2);
    clickNumbers(LottKind::LottS7, {11});
    EXPECT_EQ(displayLabel(LottKind::LottS7)->text(), "4 9 11 ");
}

TEST_F(EntryTest, TipMessages)
{
    const struct { std::uint8_t lang; const char *title; const char *prompt; } cases[] = {
        {0, "Start Picking by clicking the number buttons", "When a number button is clicked it is shown in the space below"},
        {2, "Commencement cueillant à cliqueter près l' haut boutons", "du nombre chanceux poser Lorsqu'un le nombre boutonner est"},
        {3, "Beginn pflücken durch Reißen die Spitze zuknöpft", "Wenn ein Zahlen zuknöpfen wird geklappern"},
        {4, "Start Picking by clicking gli numero bottone", "Assestata quando poiché numero bottone is clicked esso is indica in gli spazio below"},
        {5, "a pico tu 649 lucky númeroses", "Cuando un número abotonar es hacer tictac él es mostrada"},
    };
    forms().show(names::Entry649);
    for (const auto &c : cases) {
        LangCode() = c.lang;
        snapshots.clear();
        clickLabel(names::Entry649, "lbl649ent");
        EXPECT_EQ(snapshots.shown(), (QList<ShownMessage>{{QString::fromUtf8(c.prompt), QString::fromUtf8(c.title)}}));
    }
    EXPECT_EQ(LangCode(), 5);
    LangCode() = 7;
    snapshots.clear();
    clickLabel(names::Entry649, "lbl649ent");
    clickLabel(names::Entry649, "lbl649ent_shw");
    EXPECT_TRUE(snapshots.shown().isEmpty());

    // Super 7 and custom answer on their display labels, in English whatever the language.
    LangCode() = 3;
    forms().show(names::EntryS7);
    forms().show(names::EntryCst);
    clickLabel(names::EntryS7, "lblS7");
    clickLabel(names::EntryS7, "lblS7ent");
    clickLabel(names::EntryCst, "lblCsent");
    EXPECT_EQ(snapshots.shown(), (QList<ShownMessage>{
        {"When a number button is clicked it is shown in this space", "Start Picking by clicking the number buttons"},
        {"Enter the lucky number set here", "Lucky number set"}}));
    EXPECT_EQ(child<QLabel>(names::EntryS7, "lblS7")->text(), "  Lucky S7 numbers");
    EXPECT_EQ(child<QLabel>(names::EntryCst, "lblCsSet")->text(), "Glücklich Zahlen setzen");
}

TEST_F(EntryTest, CustomLotteryThreeOfSixFromFortyNine)
{
    forms().show(names::MainWindow);
    click(names::MainWindow, "btnCst");
    ASSERT_TRUE(forms().isVisible(names::LottSet));
    child<QLineEdit>(names::LottSet, "Text1")->setText("3");
    click(names::LottSet, "cmdNext");
    EXPECT_TRUE(snapshots.shown().isEmpty());
    auto *screen = forms().form(names::EntryCst);
    ASSERT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), "Number set size  3  Balls drawn  6  Balls in lottery  49");
    EXPECT_EQ(screen->size(), QSize(368, 372));
    EXPECT_FALSE(forms().isVisible(names::LottSet));
    EXPECT_FALSE(forms().form(names::LottSet)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(names::EntryCst, "btnS49")->isVisible());
    EXPECT_FALSE(child<QPushButton>(names::EntryCst, "btnS50")->isVisible());
    EXPECT_FALSE(child<QPushButton>(names::EntryCst, "btnS50")->isEnabled());
    EXPECT_EQ(engine::state().ballsInLott, 49);
    EXPECT_EQ(engine::state().ballsDrawn, 6);
    EXPECT_EQ(child<QLabel>(names::EntryCst, "lblCsSet")->text(), "Lucky number set");

    clickNumbers(LottKind::LottCst, {10, 20});
    EXPECT_FALSE(button(LottKind::LottCst, "btnNext")->isEnabled());
    clickNumbers(LottKind::LottCst, {30});
    EXPECT_TRUE(button(LottKind::LottCst, "btnNext")->isEnabled());
    EXPECT_EQ(snapshots.shown(), QList<ShownMessage>{kDone});
    click(names::EntryCst, "btnNextCst");
    EXPECT_TRUE(forms().isVisible(names::SelectPrnCst));
    EXPECT_FALSE(forms().isLoaded(names::EntryCst));
}

TEST_F(EntryTest, CustomGridFollowsTheBallsInTheLottery)
{
    const struct { int balls; int lastVisible; QRect lastGeometry; } cases[] = {
        {9, 9, QRect(24, 48, 33, 17)},
        {80, 80, QRect(304, 240, 33, 17)},
    };
    for (const auto &c : cases) {
        forms().unloadAll();
        engine::state().cst = {8, static_cast<std::int16_t>(c.balls), 8, 0, 1};
        forms().show(names::EntryCst);
        EXPECT_EQ(child<QPushButton>(names::EntryCst, "btnS1")->geometry(), QRect(24, 24, 33, 17));
        int visible = 0;
        for (int n = 1; n <= 80; ++n) {
            auto *b = child<QPushButton>(names::EntryCst, QStringLiteral("btnS%1").arg(n));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->isVisible(), n <= c.lastVisible) << n;
            visible += b->isVisible();
        }
        EXPECT_EQ(visible, c.lastVisible);
        EXPECT_EQ(child<QPushButton>(names::EntryCst, QStringLiteral("btnS%1").arg(c.lastVisible))->geometry(),
                  c.lastGeometry);
    }

    // The set size never exceeds the balls drawn once the screen has loaded.
    forms().unloadAll();
    engine::state().cst = {8, 49, 5, 0, 1};
    forms().show(names::EntryCst);
    EXPECT_EQ(engine::state().cst.setSize, 5);
    EXPECT_EQ(forms().form(names::EntryCst)->windowTitle(), "Number set size  5  Balls drawn  5  Balls in lottery  49");
}

TEST_F(EntryTest, SettingsTextsAndArrows)
{
    forms().show(names::LottSet);
    EXPECT_EQ(settingsTexts("Text1", "Text2", "Text3"), (QStringList{"6", "6", "49"}));
    EXPECT_EQ(settingsTexts("Label4", "Label5", "Label6"), (QStringList{"6", "6", "49"}));

    // Typing: the value label follows at once, the box keeps what was typed.
    const struct { const char *box; const char *typed; const char *label; const char *value; } typed[] = {
        {"Text3", "100", "Label6", " 80"},
        {"Text3", "5", "Label6", " 9"},
        {"Text3", "abc", "Label6", " 9"},
        {"Text3", "62.5", "Label6", " 62"},
        {"Text2", "12", "Label5", " 8"},
        {"Text2", "-3", "Label5", " 1"},
        {"Text1", "", "Label4", " 1"},
        {"Text1", "7x", "Label4", " 7"},
    };
    for (const auto &t : typed) {
        auto *edit = child<QLineEdit>(names::LottSet, QString::fromLatin1(t.box));
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(t.typed));
        EXPECT_EQ(child<QLabel>(names::LottSet, QString::fromLatin1(t.label))->text(), t.value) << t.typed;
        EXPECT_EQ(edit->text(), t.typed);
    }

    // Arrows stop at the ends of their ranges and write the leading-blank form into both.
    setTexts("1", "1", "9");
    const struct { const char *arrow; QStringList texts; } arrows[] = {
        {"imgCBtnDn1", {" 1", "1", "9"}},
        {"imgCBtnDn2", {" 1", " 1", "9"}},
        {"imgCBtn3", {" 1", " 1", " 9"}},
        {"imgCBtnUp3", {" 1", " 1", " 10"}},
        {"imgCBtnUp1", {" 2", " 1", " 10"}},
    };
    for (const auto &a : arrows) {
        clickLabel(names::LottSet, QString::fromLatin1(a.arrow));
        EXPECT_EQ(settingsTexts("Text1", "Text2", "Text3"), a.texts) << a.arrow;
    }
    EXPECT_EQ(settingsTexts("Label4", "Label5", "Label6"), (QStringList{" 2", " 1", " 10"}));
    child<QLineEdit>(names::LottSet, "Text1")->setText("8");
    clickLabel(names::LottSet, "imgCBtnUp1");
    EXPECT_EQ(settingsTexts("Text1", "Label4", "Label5"), (QStringList{" 8", " 8", " 1"}));
    EXPECT_EQ(engine::state().cst.setSize, 8);
    EXPECT_TRUE(snapshots.shown().isEmpty());
}

TEST_F(EntryTest, SettingsNextReportsAndCorrectsInOrder)
{
    const struct {
        QStringList typed;
        QStringList messages;
        QStringList boxesAtMessages;
        QStringList after;
        int s, d, b;
    } cases[] = {
        {{"6", "6", "100"}, {"Upper balls in lottery=80"}, {"6|6|100"}, {"6", "6", "80"}, 6, 6, 80},
        {{"6", "12", "49"}, {"Upper balls drawn=8"}, {"6|8|49"}, {"6", "8", "49"}, 6, 8, 49},
        {{"", "6", "49"}, {"Lower lucky number set=1"}, {"|6|49"}, {"1", "6", "49"}, 1, 6, 49},
        {{"7", "6", "49"},
         {"Lucky number set 7 is greater than the number of balls 6", "Lucky number set 6 = balls drawn 6"},
         {"7|6|49", "6|6|49"}, {"6", "6", "49"}, 6, 6, 49},
        {{"9", "0", "3"},
         {"Lower balls in lottery=9", "Upper lucky number set=8", "Lower balls drawn=1",
          "Lucky number set 8 is greater than the number of balls 1", "Lucky number set 1 = balls drawn 1"},
         {"9|0|3", "9|0|9", "8|0|9", "8|1|9", "1|1|9"}, {"1", "1", "9"}, 1, 1, 9},
    };
    for (const auto &c : cases) {
        forms().unloadAll();
        snapshots.clear();
        snapshots.boxTexts.clear();
        forms().show(names::LottSet);
        setTexts(c.typed[0], c.typed[1], c.typed[2]);
        click(names::LottSet, "cmdNext");
        EXPECT_EQ(snapshots.texts(), c.messages) << c.typed.join('|').toStdString();
        EXPECT_EQ(snapshots.boxTexts, c.boxesAtMessages) << c.typed.join('|').toStdString();
        for (const ShownMessage &m : snapshots.shown())
            EXPECT_EQ(m.title, "Numora INET 1.6");
        EXPECT_EQ(settingsTexts("Text1", "Text2", "Text3"), c.after);
        const engine::CustomSettings &cst = engine::state().cst;
        EXPECT_EQ(QList<int>({cst.setSize, cst.ballsDrawn, cst.ballsIn}), QList<int>({c.s, c.d, c.b}));
        EXPECT_TRUE(forms().isVisible(names::EntryCst));
    }

    // Nothing happens while the custom entry screen shows.
    snapshots.clear();
    setTexts("6", "6", "100");
    forms().form<SettingsWindow>(names::LottSet)->cmdNext_Click();
    EXPECT_TRUE(snapshots.shown().isEmpty());
    EXPECT_EQ(engine::state().cst.ballsIn, 80);
}

TEST_F(EntryTest, SettingsLoadAndCancel)
{
    LangCode() = 5;
    engine::state().cst = {3, 80, 8, 0, 1};
    forms().show(names::MainWindow);
    auto *main = forms().form(names::MainWindow);
    forms().show(names::LottSet);
    auto *settings = forms().form(names::LottSet);
    EXPECT_EQ(settings->windowTitle(), "Custom Lottery Settings");
    EXPECT_EQ(settings->size(), QSize(315, 177));
    EXPECT_EQ(child<QLabel>(names::LottSet, "Label3")->text(), "Lucky número ponga  (9-80)");
    EXPECT_EQ(child<QLabel>(names::LottSet, "imgCBtnUp3")->geometry(), QRect(272, 88, 32, 32));
    EXPECT_EQ(child<QLabel>(names::LottSet, "Label6")->palette().color(QPalette::Window), QColor(Qt::white));
    const engine::CustomSettings &cst = engine::state().cst;
    EXPECT_EQ(QList<int>({cst.setSize, cst.ballsDrawn, cst.ballsIn}), QList<int>({6, 6, 49}));

    main->setEnabled(false);
    main->hide();
    click(names::LottSet, "cmdCancel");
    EXPECT_FALSE(settings->isVisible());
    EXPECT_FALSE(settings->isEnabled());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());

    LangCode() = 0;
    forms().unload(names::LottSet);
    EXPECT_EQ(child<QLabel>(names::LottSet, "Label3")->text(), "balls in lottery       (9-80)");
    EXPECT_EQ(LangCode(), 0);
}

TEST_F(EntryTest, OddsOf649AsDrawnFields)
{
    forms().show(names::Entry649);
    click(names::Entry649, "cmd649Odds");
    auto *odds = forms().form<OddsWindow>(names::Odds);
    ASSERT_TRUE(odds->isVisible());
    EXPECT_EQ(odds->windowTitle(), "The odds of the lottery  6/ 49");
    EXPECT_EQ(odds->size(), QSize(362, 218));
    EXPECT_EQ(child<QPushButton>(names::Odds, "cmdOddsLottClose")->geometry(), QRect(296, 8, 57, 25));
    // The window draws the engine's report field by field (its text is the engine's tests').
    const engine::OddsReport report = engine::ShowOdds(6, 49, LangCode());
    QList<QStringList> expected;
    for (const auto &line : report.lines) {
        QStringList fields;
        for (const std::string &field : line)
            fields << QString::fromStdString(field);
        expected << fields;
    }
    ASSERT_EQ(expected.size(), 13);
    EXPECT_EQ(oddsLines(), expected);
    TextCanvas *canvas = odds->canvas();
    const int zone = canvas->zoneWidth(canvas->lineFont(1));
    for (int item = 0; item < 4; ++item) {
        EXPECT_EQ(canvas->itemX(1, item) % zone, 0);
        EXPECT_EQ(canvas->itemX(3, item) % zone, 0);
    }
    EXPECT_GT(canvas->itemX(1, 3), canvas->itemX(1, 2));

    click(names::Odds, "cmdOddsLottClose");
    EXPECT_FALSE(odds->isVisible());
    click(names::Entry649, "cmd649Odds");
    EXPECT_TRUE(odds->isVisible());
    EXPECT_EQ(forms().form<OddsWindow>(names::Odds), odds);
    EXPECT_EQ(oddsLines(), expected);
    EXPECT_TRUE(snapshots.shown().isEmpty());
}

TEST_F(EntryTest, OddsOfSuper7AndOfACustomLottery)
{
    LangCode() = 4;
    forms().show(names::EntryS7);
    click(names::EntryS7, "cmdS7Odds");
    EXPECT_EQ(oddsLines()[3], (QStringList{"    1", "7/47", " .1489", " .8510"}));
    EXPECT_EQ(oddsLines().last(), QStringList{"Gli odds di stravince gli lotteria  7/ 47 are 1 in  62891499 "});

    engine::state().cst = {1, 9, 1, 0, 1};
    forms().show(names::EntryCst);
    forms().form(names::EntryCst)->setWindowTitle("changed");
    click(names::EntryCst, "cmdCOdds");
    EXPECT_EQ(forms().form(names::EntryCst)->windowTitle(), "Number set size  1  Balls drawn  1  Balls in lottery  9");
    EXPECT_EQ(forms().form(names::Odds)->windowTitle(), "The odds of the lottery  1/ 9");
    EXPECT_EQ(oddsLines().size(), 8);
    EXPECT_EQ(oddsLines()[5], QStringList{"  p=( 1/ 9)"});
}

TEST_F(EntryTest, CustomResetFromTheMainWindow)
{
    forms().show(names::MainWindow);
    click(names::MainWindow, "btnCst");
    click(names::LottSet, "cmdNext");
    clickNumbers(LottKind::LottCst, {1, 2, 3, 4, 5, 6});
    click(names::EntryCst, "btnNextCst");
    click(names::SelectPrnCst, "disSel");
    EXPECT_EQ(shownLines(LottKind::LottCst).size(), 5);
    EXPECT_EQ(engine::state().cst.session, 2);
    QWidget *oldSettings = forms().form(names::LottSet);

    snapshots.clear();
    click(names::MainWindow, "btnCst");
    EXPECT_TRUE(snapshots.shown().isEmpty());
    EXPECT_FALSE(forms().isLoaded(names::SelectPrnCst));
    EXPECT_FALSE(forms().isLoaded(names::DisplayCst));
    ASSERT_TRUE(forms().isVisible(names::LottSet));
    EXPECT_NE(forms().form(names::LottSet), oldSettings);
    EXPECT_EQ(settingsTexts("Text1", "Text2", "Text3"), (QStringList{"6", "6", "49"}));
    EXPECT_EQ(engine::lucky(LottKind::LottCst).count, 0);
    EXPECT_EQ(engine::lucky(LottKind::LottCst).entState, 0);

    // A second custom lottery: fresh screen, fresh set.
    clickLabel(names::LottSet, "imgCBtnDn2");
    clickLabel(names::LottSet, "imgCBtnDn1");
    click(names::LottSet, "cmdNext");
    EXPECT_EQ(snapshots.texts(), QStringList{});
    auto *screen = forms().form(names::EntryCst);
    EXPECT_EQ(screen->windowTitle(), "Number set size  5  Balls drawn  5  Balls in lottery  49");
    EXPECT_EQ(displayLabel(LottKind::LottCst)->text(), "");
    EXPECT_FALSE(button(LottKind::LottCst, "btnNext")->isEnabled());
    clickNumbers(LottKind::LottCst, {7, 8, 9, 10, 11});
    EXPECT_EQ(snapshots.shown(), QList<ShownMessage>{kDone});

    // Pressing the custom button again while the entry screen shows.
    click(names::MainWindow, "btnCst");
    EXPECT_EQ(snapshots.texts().last(), "Already Custom");
}

TEST_F(EntryTest, EachLotteryCompletesItsOwnSetWhicheverLoadedLast)
{
    forms().show(names::MainWindow);
    click(names::MainWindow, "cmd649");
    click(names::MainWindow, "cmdS7");
    EXPECT_EQ(engine::state().ballsInLott, 47);
    EXPECT_EQ(engine::state().ballsDrawn, 7);

    clickNumbers(LottKind::Lott649, {1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(button(LottKind::Lott649, "btnNext")->isEnabled());
    clickNumbers(LottKind::LottS7, {1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(button(LottKind::LottS7, "btnNext")->isEnabled());
    clickNumbers(LottKind::LottS7, {7});
    EXPECT_TRUE(button(LottKind::LottS7, "btnNext")->isEnabled());
    EXPECT_EQ(snapshots.shown(), (QList<ShownMessage>{kDone, kDone}));

    click(names::Entry649, "btnNext");
    click(names::EntryS7, "btnNextS7");
    EXPECT_TRUE(forms().isVisible(names::SelectPrn649));
    EXPECT_TRUE(forms().isVisible(names::SelectPrnS7));
    EXPECT_EQ(engine::lucky(LottKind::Lott649).text, "1 2 3 4 5 6 ");
    EXPECT_EQ(engine::lucky(LottKind::LottS7).text, "1 2 3 4 5 6 7 ");
}
