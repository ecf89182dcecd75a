#include "windows_fixture.h"

#include "engine/generator.h"
#include "scripted_source.h"
#include "language/language.h"
#include "screens/displaywindow.h"
#include "screens/names.h"
#include "screens/selectionscreen.h"
#include "screens/services/geometry.h"
#include "screens/services/textcanvas.h"

#include <QGroupBox>
#include <QRadioButton>

#include <set>

using namespace numora;
using engine::LottKind;
namespace names = numora::names;

namespace {

class SelectionsTest : public WindowsTest
{
protected:
    // A lottery whose entry screen handed over with a full lucky set at the given skew.
    void handOver(LottKind kind, int skew, bool quickPick = false)
    {
        if (kind == LottKind::LottCst && engine::state().cst.ballsIn == 0)
            engine::state().cst = {6, 49, 6, 0, 1};
        for (int n = 1; n <= engine::completionTarget(kind); ++n) {
            engine::lucky(kind).numClicked = static_cast<std::uint8_t>(n * 3);
            engine::AddLuckyNum(kind);
        }
        engine::setSkewPercent(kind, skew);
        engine::lucky(kind).entState = 2;
        if (quickPick) {
            engine::lucky(kind).skewFac = 0;
            engine::lucky(kind).quickPick = 1;
        }
        forms().show(SelectionScreen::nameOf(kind));
    }
    SelectionScreen *screen(LottKind kind) { return forms().form<SelectionScreen>(SelectionScreen::nameOf(kind)); }
    QStringList shownLines(LottKind kind)
    {
        QStringList lines;
        auto *display = forms().form<DisplayWindow>(DisplayWindow::nameOf(kind));
        for (const QStringList &items : display->canvas()->lines())
            lines << items.join(QString());
        return lines;
    }
};

// " 3  11  19 " -> {3, 11, 19}, checking the blanks around every number on the way.
std::vector<int> numbersOf(const QString &line)
{
    std::vector<int> numbers;
    EXPECT_TRUE(line.startsWith(' ') && line.endsWith(' ')) << line.toStdString();
    for (const QString &part : line.split(QStringLiteral("  ")))
        numbers.push_back(part.trimmed().toInt());
    return numbers;
}

} // namespace

TEST_F(SelectionsTest, LoadsWithTheSkewAndFiveSelectionsChosen)
{
    handOver(LottKind::Lott649, 90);
    EXPECT_EQ(child<QLabel>(names::SelectPrn649, "lblSkewInfo")->text(), "Percent chance of lucky numbers= 90");
    EXPECT_TRUE(child<QRadioButton>(names::SelectPrn649, "optSel5")->isChecked());
    EXPECT_EQ(engine::selections(LottKind::Lott649).nmsel, 5);

    handOver(LottKind::LottS7, 40, true);
    EXPECT_EQ(child<QLabel>(names::SelectPrnS7, "lblSkewInfo_S7")->text(), "Quick Pick sets no lucky numbers= 0");
    EXPECT_EQ(engine::skewPercent(LottKind::LottS7), 0);
    EXPECT_EQ(engine::lucky(LottKind::LottS7).skewFac, 0.0);
    EXPECT_EQ(forms().form(names::SelectPrnS7)->windowTitle(), "Super 7 selections and print");
}

TEST_F(SelectionsTest, CaptionsFollowTheLanguageAtLoad)
{
    // LangCode 0 (no language chosen yet) keeps the captions as designed, and stays 0.
    const struct { std::uint8_t lang; LottKind kind; QStringList texts; } cases[] = {
        {0, LottKind::Lott649, {"Five", "Ten", "Twenty", "Show", "Print", "Close"}},
        {0, LottKind::LottS7, {"Five", "Ten", "Twenty", "Show", "Print", "Close"}},
        {0, LottKind::LottCst, {"Five", "Ten", "Twenty", "Show", "Print", "Close"}},
        {3, LottKind::Lott649, {"Fünf", "Zehn", "Zwanzig", "Ausstellung", "Kattun", "Schliesse"}},
        {5, LottKind::LottS7, {"Cinco", "Diez", "Veinte", "Exposición", "Tirar", "Cerrar"}},
        {4, LottKind::LottCst, {"5", "10", "20", "Indica", "Stampa", "Chiude"}},
    };
    for (const auto &c : cases) {
        forms().unloadAll();
        LangCode() = c.lang;
        handOver(c.kind, 20);
        const QString screenName = SelectionScreen::nameOf(c.kind);
        const QString prefix = c.kind == LottKind::Lott649 ? "optSel" : "opSel";
        QStringList texts;
        for (const QString &name : {prefix + "5", prefix + "10", prefix + "20", QString("disSel"),
                                    QString("prnSel"), QString("cmdClose")})
            texts << child<QAbstractButton>(screenName, name)->text();
        EXPECT_EQ(texts, c.texts) << "LangCode " << int(c.lang);
        EXPECT_EQ(LangCode(), c.lang);
    }
    // The frame caption is not translated.
    EXPECT_EQ(child<QGroupBox>(names::SelectPrn649, "fraSelections")->title(), "Number of Selections");
    EXPECT_EQ(child<QGroupBox>(names::SelectPrnS7, "fraSelectionsS7")->title(), "Number of selections");
}

TEST_F(SelectionsTest, ShowWritesFiveLinesOfDistinctNumbersAndShrinksTheWindow)
{
    handOver(LottKind::Lott649, 20);
    click(names::SelectPrn649, "disSel");
    const QStringList lines = shownLines(LottKind::Lott649);
    ASSERT_EQ(lines.size(), 5);
    for (const QString &line : lines) {
        const std::vector<int> numbers = numbersOf(line);
        ASSERT_EQ(numbers.size(), 6u);
        EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), 6u);
        for (int n : numbers) {
            EXPECT_GE(n, 1);
            EXPECT_LE(n, 49);
        }
    }
    auto *display = forms().form(names::Display649);
    // 1661 twips, to the nearest whole pixel
    EXPECT_NEAR(outerHeightTwips(display), 5190 * 27 / 100 + 260, 7);
    EXPECT_EQ(display->windowTitle(), "Numora");
    EXPECT_FALSE(child<QRadioButton>(names::SelectPrn649, "optSel10")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(names::SelectPrn649, "disSel")->isEnabled());
    EXPECT_TRUE(child<QAbstractButton>(names::SelectPrn649, "prnSel")->isEnabled());
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(ending.endCalls(), 0);
}

TEST_F(SelectionsTest, DisplayHeightByNumberOfSelections)
{
    const struct { LottKind kind; const char *option; int outer; } cases[] = {
        {LottKind::LottS7, "opSel10", (4890 + 375) * 51 / 100 + 260},
        {LottKind::LottCst, "opSel20", 4890 + 375},
    };
    for (const auto &c : cases) {
        handOver(c.kind, 20);
        click(SelectionScreen::nameOf(c.kind), QString::fromLatin1(c.option));
        click(SelectionScreen::nameOf(c.kind), "disSel");
        EXPECT_NEAR(outerHeightTwips(forms().form(DisplayWindow::nameOf(c.kind))), c.outer, 7);
        EXPECT_EQ(shownLines(c.kind).size(), c.option == std::string("opSel10") ? 10 : 20);
    }
    EXPECT_EQ(forms().form(names::DisplayCst)->windowTitle(), "Custom lottery 6/49");
    EXPECT_EQ(forms().form(names::SelectPrnCst)->windowTitle(), "Custom lottery 6/49");
    EXPECT_EQ(numbersOf(shownLines(LottKind::LottS7)[0]).size(), 7u);
}

TEST_F(SelectionsTest, PrintAfterShowPrintsTheShownSelectionsAndEnds)
{
    handOver(LottKind::Lott649, 20);
    click(names::SelectPrn649, "disSel");
    const QStringList shown = shownLines(LottKind::Lott649);
    // Closing the display window in between: it comes back empty, the page still carries them.
    forms().form(names::Display649)->close();
    click(names::SelectPrn649, "prnSel");
    EXPECT_EQ(boxes.texts(), QStringList{"Is the printer on?"});
    EXPECT_EQ(boxes.shown()[0].title, "Print");
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OkCancel);
    ASSERT_EQ(paper.pages().size(), 1);
    const QStringList page = paper.pages()[0];
    EXPECT_EQ(page.mid(0, 4), (QStringList{"", "", "NUMORA  5 SELECTIONS:", ""}));
    QStringList printed;
    for (int i = 4; i < page.size(); i += 2) {
        EXPECT_EQ(page[i], "");
        printed << page[i + 1];
    }
    EXPECT_EQ(printed, shown);
    EXPECT_TRUE(shownLines(LottKind::Lott649).isEmpty());
    EXPECT_EQ(ending.endCalls(), 1);
}

// Numbers drawn in a known order reach the display window and the page as the design writes
// them: in the order drawn, each in the leading-blank form followed by a blank.
TEST_F(SelectionsTest, ShownAndPrintedLinesAreTheDrawnNumbersInOrder)
{
    // Lucky set 3, 6, 9, 12, 15, 18 at skew 20: draws 1..49 are the numbers themselves and
    // 50..61 the lucky slots two wide, 50 and 51 giving 3, 56 and 57 giving 12.
    ScriptedSource source(61);
    source.push({45, 50, 19, 22, 56, 31});
    source.push({1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17});
    source.push({20, 21, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33});
    engine::setUniformSource(&source);
    handOver(LottKind::Lott649, 20);
    click(names::SelectPrn649, "disSel");
    click(names::SelectPrn649, "prnSel");
    engine::setUniformSource(nullptr);

    ASSERT_EQ(shownLines(LottKind::Lott649).size(), 5);
    EXPECT_EQ(shownLines(LottKind::Lott649)[0], " 45  3  19  22  12  31 ");
    EXPECT_EQ(shownLines(LottKind::Lott649)[4], " 27  28  29  30  32  33 ");
    ASSERT_EQ(paper.pages().size(), 1);
    EXPECT_EQ(paper.pages()[0].value(5), " 45  3  19  22  12  31 ");
    EXPECT_EQ(source.left(), 0u);
}

TEST_F(SelectionsTest, PagesOfEveryLottery)
{
    const struct { LottKind kind; const char *option; int lines; QStringList header; } cases[] = {
        {LottKind::Lott649, "optSel20", 44, {"", "", "NUMORA  20 SELECTIONS:", ""}},
        {LottKind::LottS7, "opSel20", 46, {"", "", "NUMORA  20", "", "SUPER SEVEN SELECTIONS:", ""}},
        {LottKind::LottS7, "opSel10", 26, {"", "", "NUMORA  10", "", "SUPER SEVEN SELECTIONS:", ""}},
        {LottKind::LottCst, "opSel5", 16, {"", "", "Numora Custom Mode 5", "", "Customized lottery 8/80 SELECTIONS:", ""}},
    };
    for (const auto &c : cases) {
        engine::resetState();
        engine::state().cst = {8, 80, 8, 0, 1};
        paper = RecordingPrinter();
        forms().unloadAll();
        handOver(c.kind, 50);
        click(SelectionScreen::nameOf(c.kind), QString::fromLatin1(c.option));
        click(SelectionScreen::nameOf(c.kind), "prnSel");
        ASSERT_EQ(paper.pages().size(), 1);
        const QStringList page = paper.pages()[0];
        EXPECT_EQ(page.size(), c.lines);
        EXPECT_EQ(page.mid(0, c.header.size()), c.header);
        EXPECT_EQ(numbersOf(page.last()).size(), static_cast<std::size_t>(engine::drawnOf(c.kind)));
    }
    EXPECT_EQ(forms().form(names::DisplayCst)->windowTitle(), "Custom lottery 8/80");
}

TEST_F(SelectionsTest, PrinterNotReadyOrFailingIsReportedAndEnds)
{
    handOver(LottKind::LottS7, 20);
    boxes.queue(MsgAnswer::Cancel);
    click(names::SelectPrnS7, "prnSel");
    EXPECT_EQ(boxes.texts(), (QStringList{"Is the printer on?", "The Printer was not ready, Close Numora"}));
    EXPECT_EQ(boxes.shown()[1].title, "Printer not ready");
    EXPECT_EQ(boxes.shown()[1].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(paper.pages().isEmpty());
    EXPECT_EQ(ending.endCalls(), 1);

    handOver(LottKind::Lott649, 20);
    boxes.clear();
    paper.setFailure(QStringLiteral("No default printer is set up on this computer."));
    click(names::SelectPrn649, "prnSel");
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_TRUE(boxes.shown()[1].text.contains("No default printer is set up on this computer."));
    EXPECT_TRUE(boxes.shown()[1].text.contains("not printed"));
    EXPECT_EQ(boxes.shown()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(ending.endCalls(), 2);
}

TEST_F(SelectionsTest, CloseEndsTheProgram)
{
    handOver(LottKind::LottCst, 20);
    click(names::SelectPrnCst, "cmdClose");
    EXPECT_EQ(ending.endCalls(), 1);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(SelectionsTest, ACustomLotteryDrawingMoreThanItHoldsIsRefused)
{
    engine::state().cst = {6, 9, 10, 0, 1};
    handOver(LottKind::LottCst, 20);
    click(names::SelectPrnCst, "disSel");
    EXPECT_EQ(boxes.texts(), QStringList{"Pick is greater than the number of balls, Numora will cmdClose"});
    EXPECT_EQ(ending.endCalls(), 1);
    EXPECT_TRUE(shownLines(LottKind::LottCst).isEmpty());
}
