#include "windows_fixture.h"

#include "../engine/scripted_source.h"

#include "engine/generator.h"
#include "scripted_source.h"
#include "language/language.h"
#include "screens/displaywindow.h"
#include "screens/services/names.h"
#include "screens/selectionscreen.h"
#include "screens/services/geometry.h"
#include "screens/services/savedialogs.h"
#include "screens/services/textcanvas.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>

#include <sys/prctl.h>
#include <unistd.h>

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
    DisplayWindow *display(LottKind kind) { return forms().form<DisplayWindow>(DisplayWindow::nameOf(kind)); }
    // Right-click inside the window: its context menu, open.
    QMenu *openMenu(DisplayWindow *window)
    {
        const QPoint at(20, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
        QApplication::sendEvent(window, &event);
        auto *menu = window->findChild<QMenu *>("mnuDisplay");
        EXPECT_TRUE(menu && menu->isVisible());
        return menu;
    }
    void pressCtrlC(DisplayWindow *window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    }
    // The lottery's tickets as they should reach the clipboard: "45 3 19 22 7 31\n...".
    static QString ticketsOf(LottKind kind)
    {
        const auto &table = engine::selections(kind);
        QStringList tickets;
        for (int i = 1; i <= table.nmsel; ++i) {
            QStringList numbers;
            for (int j = 1; j <= engine::drawnOf(kind); ++j)
                numbers << QString::number(table.sel[i][j]);
            tickets << numbers.join(' ');
        }
        return tickets.join('\n');
    }
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

TEST_F(SelectionsTest, CtrlCAndTheMenusCopyPutTheShownTicketsOnTheClipboard)
{
    ScriptedSource source(61);
    source.push({45, 3, 19, 22, 7, 31, 1, 2, 40, 33, 27, 49, 8, 14, 10, 11, 12, 13,
                 21, 20, 23, 24, 25, 26, 30, 29, 28, 38, 37, 36});
    engine::setUniformSource(&source);
    handOver(LottKind::Lott649, 20);
    click(names::SelectPrn649, "disSel");
    engine::setUniformSource(nullptr);
    ASSERT_EQ(source.left(), 0u);
    const QString tickets = ticketsOf(LottKind::Lott649);
    EXPECT_EQ(tickets, "45 3 19 22 7 31\n1 2 40 33 27 49\n8 14 10 11 12 13\n"
                       "21 20 23 24 25 26\n30 29 28 38 37 36");

    QClipboard *clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    DisplayWindow *window = display(LottKind::Lott649);
    clipboard->setText("earlier text");
    pressCtrlC(window);
    EXPECT_EQ(clipboard->text(), tickets);

    clipboard->setText("earlier text");
    QMenu *menu = openMenu(window);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    QAction *copy = menu->actions()[0];
    EXPECT_EQ(copy->text(), "Copy");
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    menu->hide();
    EXPECT_EQ(clipboard->text(), tickets);

    // The other two windows copy their own lines: seven numbers, and the custom count.
    engine::state().cst = {3, 9, 3, 0, 1};
    for (LottKind kind : {LottKind::LottS7, LottKind::LottCst}) {
        handOver(kind, 50);
        click(SelectionScreen::nameOf(kind), "disSel");
        pressCtrlC(display(kind));
        EXPECT_EQ(clipboard->text(), ticketsOf(kind));
        EXPECT_EQ(clipboard->text().split('\n').size(), 5);
        EXPECT_EQ(clipboard->text().split('\n')[0].split(' ').size(), engine::drawnOf(kind));
    }
}

TEST_F(SelectionsTest, ADisplayWindowWithoutLinesLeavesTheClipboardAlone)
{
    // Shown again after its lines were closed away: the window comes back empty.
    handOver(LottKind::LottS7, 20);
    click(names::SelectPrnS7, "disSel");
    forms().form(names::DisplayS7)->close();
    DisplayWindow *window = forms().show(names::DisplayS7) ? display(LottKind::LottS7) : nullptr;
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->canvas()->lineCount(), 0);

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText("earlier text");
    pressCtrlC(window);
    QMenu *menu = openMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled()); // Save as PDF, nothing to save
    menu->actions()[0]->trigger();
    menu->hide();
    window->copyTickets();
    EXPECT_EQ(clipboard->text(), "earlier text");
    EXPECT_TRUE(menu->actions()[0]->isEnabled()); // Ctrl+C stays live once the menu is gone
    EXPECT_TRUE(menu->actions()[1]->isEnabled());

    // Ctrl+S and the menu's entry ask nothing and write nothing.
    ScriptedSaveDialogs dialogs;
    setSaveDialogs(&dialogs);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    window->savePdf();
    setSaveDialogs(nullptr);
    EXPECT_TRUE(dialogs.asked().isEmpty());
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(SelectionsTest, MenuCaptionsFollowTheLanguageWhenTheMenuOpens)
{
    handOver(LottKind::LottCst, 20);
    click(names::SelectPrnCst, "disSel");
    DisplayWindow *window = display(LottKind::LottCst);
    const struct { std::uint8_t lang; const char *copy; const char *save; } cases[] = {
        {2, "Copier", "Enregistrer en PDF..."}, {3, "Kopieren", "Als PDF speichern..."},
        {4, "Copia", "Salva come PDF..."},      {5, "Copiar", "Guardar como PDF..."},
        {1, "Copy", "Save as PDF..."},          {0, "Copy", "Save as PDF..."},
    };
    for (const auto &c : cases) {
        LangCode() = c.lang;
        QMenu *menu = openMenu(window);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8(c.copy)) << int(c.lang);
        EXPECT_EQ(menu->actions()[1]->text(), QString::fromUtf8(c.save)) << int(c.lang);
        EXPECT_EQ(menu->actions()[1]->shortcut(), QKeySequence("Ctrl+S"));
        menu->hide();
    }
    EXPECT_EQ(LangCode(), 0); // read, not set
    EXPECT_EQ(window->windowTitle(), "Custom lottery 6/49");
}

TEST_F(SelectionsTest, APageThePrinterDidNotTakeIsReportedInTheLanguage)
{
    // Each box names the menu entries in its own language.
    const struct { std::uint8_t lang; const char *sentence; const char *title; const char *save; const char *copy; } cases[] = {
        {0, "Your selections were not printed.", "Print", "\"Save as PDF...\"", "\"Copy\""},
        {1, "Your selections were not printed.", "Print", "\"Save as PDF...\"", "\"Copy\""},
        {2, "Vos grilles n’ont pas été imprimées.", "Impression", "« Enregistrer en PDF... »", "« Copier »"},
        {3, "Ihre Tippreihen wurden nicht gedruckt.", "Drucken", "„Als PDF speichern...“", "„Kopieren“"},
        {4, "Le combinazioni non sono state stampate.", "Stampa", "«Salva come PDF...»", "«Copia»"},
        {5, "Sus combinaciones no se han impreso.", "Impresión", "«Guardar como PDF...»", "«Copiar»"},
    };
    SystemPrinter noPrinter([] { return QPrinterInfo(); });
    setPrinter(&noPrinter);
    QStringList reasons;
    for (const auto &c : cases) {
        forms().unloadAll();
        engine::resetState();
        boxes.clear();
        LangCode() = c.lang;
        handOver(LottKind::Lott649, 20);
        click(names::SelectPrn649, "prnSel");
        ASSERT_EQ(boxes.shown().size(), 2) << int(c.lang);
        EXPECT_EQ(boxes.texts()[0], "Is the printer on?"); // the question keeps its words
        const ShownMessage &box = boxes.shown()[1];
        const QString reason = printFailureText(PrintFailure::NoPrinter);
        const QStringList parts = box.text.split("\n\n");
        ASSERT_EQ(parts.size(), 3) << box.text.toStdString();
        EXPECT_EQ(parts.mid(0, 2), (QStringList{QString::fromUtf8(c.sentence), reason}));
        EXPECT_TRUE(parts[2].contains(QString::fromUtf8(c.save))) << parts[2].toStdString();
        EXPECT_TRUE(parts[2].contains(QString::fromUtf8(c.copy))) << parts[2].toStdString();
        EXPECT_EQ(box.title, QString::fromUtf8(c.title));
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.owner, names::SelectPrn649) << "blocks the selection screen alone";
        reasons << reason;
    }
    EXPECT_EQ(reasons[0], "No default printer is set up on this computer.");
    EXPECT_EQ(reasons[0], reasons[1]);
    EXPECT_EQ(QSet<QString>(reasons.begin() + 1, reasons.end()).size(), 5);
}

namespace {

// The text pdftotext reads from a PDF file, its lines simplified, empty ones left out.
QStringList pdfLines(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(10000))
        return {"pdftotext did not finish"};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

// The save dialogs answered from a script, and a folder for the files.
class SavePdfTest : public SelectionsTest
{
protected:
    void SetUp() override
    {
        SelectionsTest::SetUp();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(folder.isValid());
        setSaveDialogs(&dialogs);
    }
    void TearDown() override
    {
        setSaveDialogs(nullptr);
        SelectionsTest::TearDown();
    }
    DisplayWindow *shown(LottKind kind)
    {
        handOver(kind, 20);
        click(SelectionScreen::nameOf(kind), "disSel");
        return display(kind);
    }
    void pressCtrlS(DisplayWindow *window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    }

    QTemporaryDir folder;
    ScriptedSaveDialogs dialogs;
};

// An ordinary user's rights for its lifetime where the tests run as root, for whom no file or
// folder is read-only: real and effective ids of nobody, root kept as the saved id to return to.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        constexpr uid_t nobody = 65534;
        if (geteuid() == 0)
            m_switched = setresgid(nobody, nobody, 0) == 0 && setresuid(nobody, nobody, 0) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (m_switched) {
            EXPECT_EQ(setresuid(0, 0, 0), 0);
            EXPECT_EQ(setresgid(0, 0, 0), 0);
            // A change of ids leaves the process undumpable; the sanitizer build's leak
            // checker needs it dumpable.
            prctl(PR_SET_DUMPABLE, 1);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool m_switched = false;
};

} // namespace

TEST_F(SavePdfTest, CtrlSSavesThePrintedPageOfTheLinesShownAndKeepsTheWindow)
{
    const struct { LottKind kind; const char *lottery; QStringList header; } cases[] = {
        {LottKind::Lott649, "649", {"NUMORA 5 SELECTIONS:"}},
        {LottKind::LottS7, "super7", {"NUMORA 5", "SUPER SEVEN SELECTIONS:"}},
        {LottKind::LottCst, "custom-4-30", {"Numora Custom Mode 5", "Customized lottery 4/30 SELECTIONS:"}},
    };
    engine::state().cst = {4, 30, 4, 0, 1};
    for (const auto &c : cases) {
        DisplayWindow *window = shown(c.kind);
        ASSERT_NE(window, nullptr);
        const int ends = ending.endCalls();
        const QString path = folder.filePath(QStringLiteral("tickets %1.pdf").arg(c.lottery));
        dialogs.queue(path);
        pressCtrlS(window);

        ASSERT_FALSE(dialogs.asked().isEmpty());
        const AskedSave asked = dialogs.asked().last();
        EXPECT_EQ(asked.caption, "Save as PDF");
        EXPECT_EQ(asked.filter, "PDF documents (*.pdf)");
        const QString name = QStringLiteral("numora-%1-%2.pdf")
                                 .arg(c.lottery, QDate::currentDate().toString("yyyy-MM-dd"));
        EXPECT_EQ(QFileInfo(asked.offered).fileName(), name);
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(documents).exists())
            documents = QDir::homePath();
        EXPECT_EQ(QFileInfo(asked.offered).absolutePath(), QDir(documents).absolutePath());

        // Exactly the lines shown, under the printed page's header.
        const QStringList tickets = window->ticketsText().split('\n');
        ASSERT_EQ(tickets.size(), 5);
        EXPECT_EQ(pdfLines(path), c.header + tickets) << int(c.kind);
        EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.texts().join('|').toStdString();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->ticketsText().split('\n'), tickets);
        EXPECT_EQ(ending.endCalls(), ends);

        // The file holds the page that Print sends the printer.
        paper = RecordingPrinter();
        click(SelectionScreen::nameOf(c.kind), "prnSel");
        ASSERT_EQ(paper.pages().size(), 1);
        EXPECT_EQ(paper.pages()[0], DisplayWindow::page(c.kind, window->selectionLines()));
        boxes.clear();
    }
}

TEST_F(SavePdfTest, AFileThatCannotBeWrittenIsReportedAndTheWindowKeepsItsLines)
{
    using P = QFileDevice;
    const auto readable = P::ReadOwner | P::ReadGroup | P::ReadOther | P::ExeOwner | P::ExeGroup | P::ExeOther;
    const auto writable = P::WriteOwner | P::WriteGroup | P::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readable | writable));
    const QDir dir(folder.path());
    ASSERT_TRUE(dir.mkdir("locked"));
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("locked"), readable));
    ASSERT_TRUE(dir.mkdir("tickets.pdf"));
    {
        QFile kept(dir.filePath("kept.pdf"));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("earlier tickets");
    }
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("kept.pdf"), P::ReadOwner | P::ReadGroup | P::ReadOther));

    DisplayWindow *window = shown(LottKind::Lott649);
    ASSERT_NE(window, nullptr);
    const QString tickets = window->ticketsText();
    const struct { const char *name; const char *path; QString reason; } cases[] = {
        {"a folder that cannot be written", "locked/tickets.pdf", QString::fromLocal8Bit(strerror(EACCES))},
        {"a folder as the name", "tickets.pdf", "A folder has this name"},
        {"a read-only file", "kept.pdf", "The file is read-only"},
    };
    for (const auto &c : cases) {
        boxes.clear();
        const QString path = dir.filePath(c.path);
        dialogs.queue(path);
        {
            AsOrdinaryUser user;
            window->savePdf();
        }
        ASSERT_EQ(boxes.shown().size(), 1) << c.name;
        const ShownMessage &box = boxes.shown()[0];
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("The PDF file \"%1\" could not be saved: ").arg(path)))
            << c.name << ": " << box.text.toStdString();
        EXPECT_EQ(box.text.section(": ", 1).section("\n\n", 0, 0), c.reason) << c.name;
        EXPECT_TRUE(box.text.endsWith("Your tickets are still in the window. Choose another folder or name and try again."));
        EXPECT_EQ(box.title, "Save as PDF");
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_TRUE(window->isVisible()) << c.name;
        EXPECT_EQ(window->ticketsText(), tickets) << c.name;
    }
    EXPECT_EQ(ending.endCalls(), 0);
    QFile kept(dir.filePath("kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier tickets");
    // Nothing half written was left beside the files.
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"kept.pdf", "locked", "tickets.pdf"}));
    EXPECT_TRUE(QDir(dir.filePath("locked")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

    // The user can try again.
    boxes.clear();
    dialogs.queue(dir.filePath("saved.pdf"));
    window->savePdf();
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(pdfLines(dir.filePath("saved.pdf")).mid(1).join('\n'), tickets);
}

TEST_F(SavePdfTest, TheNotPrintedBoxLeavesTheDisplayWindowUsableUntilTheEnd)
{
    // Answers the not-printed box as a user who first saves the tickets.
    class SavingFirst : public ScriptedMessages
    {
    public:
        MsgAnswer show(const QString &text, MsgButtons buttons, const QString &title, MsgIcon icon,
                       QWidget *owner) override
        {
            if (icon == MsgIcon::Critical && onBox)
                onBox();
            return ScriptedMessages::show(text, buttons, title, icon, owner);
        }
        std::function<void()> onBox;
    } saving;
    setMessages(&saving);
    SystemPrinter noPrinter([] { return QPrinterInfo(); });
    setPrinter(&noPrinter);

    forms().show(names::MainWindow);
    DisplayWindow *window = shown(LottKind::Lott649);
    ASSERT_NE(window, nullptr);
    const QString path = folder.filePath("kept before the end.pdf");
    bool mainWaits = false;
    saving.onBox = [&] {
        EXPECT_EQ(ending.endCalls(), 0);
        EXPECT_TRUE(window->isEnabled());
        mainWaits = !forms().form(names::MainWindow)->isEnabled();
        dialogs.queue(path);
        window->savePdf();
    };
    click(names::SelectPrn649, "prnSel");
    EXPECT_TRUE(mainWaits);
    ASSERT_EQ(saving.shown().size(), 2) << saving.texts().join('|').toStdString();
    EXPECT_EQ(pdfLines(path).mid(1), window->ticketsText().split('\n'));
    EXPECT_EQ(ending.endCalls(), 1);
    setMessages(&boxes);
    setPrinter(&paper);
}
