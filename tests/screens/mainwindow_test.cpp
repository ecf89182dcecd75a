#include "windows_fixture.h"

#include "language/language.h"
#include "screens/mainwindow.h"
#include "screens/services/names.h"

#include <QCloseEvent>
#include <QPushButton>

using namespace numora;
namespace names = numora::names;

namespace {

// Stand-ins for the windows other parts of the program register.
class StubForm : public Form
{
public:
    void load() override { ++loads; }
    static inline int loads = 0;
};

class MainWindowTest : public WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        StubForm::loads = 0;
        for (const QString &name : {names::Entry649, names::EntryS7, names::EntryCst, names::LottSet,
                                    names::Help, names::About})
            forms().registerForm(name, [] { return new StubForm; });
        forms().show(names::MainWindow);
    }
    QStringList captions()
    {
        QStringList list;
        for (const char *name : {"btnCst", "CmdHlp", "cmdAbout", "cmd649", "cmdS7"})
            list << child<QPushButton>(names::MainWindow, QString::fromLatin1(name))->text();
        return list;
    }
};

} // namespace

TEST_F(MainWindowTest, LoadsWithEnglishCaptionsAndChoosesEnglish)
{
    EXPECT_EQ(LangCode(), 1);
    EXPECT_EQ(captions(), (QStringList{"Custom", "Help", "About", "649", "Super 7"}));
    QWidget *w = forms().form(names::MainWindow);
    EXPECT_EQ(w->windowTitle(), "Corvane Numora 1.6");
    EXPECT_EQ(w->size(), QSize(328, 332));
    EXPECT_EQ(child<QPushButton>(names::MainWindow, "cmd649")->toolTip(), "Click here to generate 649 numbers ");
    EXPECT_EQ(child<QPushButton>(names::MainWindow, "btnCst")->geometry(), QRect(128, 0, 73, 25));
    EXPECT_EQ(child<QLabel>(names::MainWindow, "Image1")->geometry(), QRect(0, 24, 328, 317));
}

TEST_F(MainWindowTest, CaptionsAndTipsInEveryLanguage)
{
    const struct { std::uint8_t lang; QStringList captions; const char *title; } cases[] = {
        {1, {"Custom", "Help", "About", "649", "Super 7"}, "Start Picking by clicking the top buttons."},
        {2, {"Coutume", "Aider", "About", "649", "Super 7"}, "Commencement cueillant à cliqueter près l' haut boutons."},
        {3, {"Sitte", "Aufhelfe", "Labout", "649", "Super 7"}, "Beginn pflücken durch Reißen die Spitze zuknöpft."},
        {4, {"Costume", "Help", "About", "649", "Super 7"}, "Start Picking by clicking gli cima bottone."},
        {5, {"Costumbre", "Ayudar", "Sobre", "649", "Super 7"}, "Poner en marcha Picking por hacer tictac el tope botoneses."},
    };
    for (const auto &c : cases) {
        applyLanguage(c.lang);
        EXPECT_EQ(LangCode(), c.lang);
        EXPECT_EQ(captions(), c.captions);
        boxes.clear();
        clickLabel(names::MainWindow, "Image1");
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.shown()[0].title, QString::fromUtf8(c.title));
    }
    EXPECT_EQ(boxes.shown()[0].text, "Usar el botoneses a el cima a pico 649 o otras loteríasas.");

    // A window loading afresh takes the language in force.
    forms().unload(names::MainWindow);
    EXPECT_EQ(captions(), (QStringList{"Costumbre", "Ayudar", "Sobre", "649", "Super 7"}));
}

TEST_F(MainWindowTest, LotteryButtonsOpenOneEntryScreenUntilHandedOver)
{
    click(names::MainWindow, "cmd649");
    click(names::MainWindow, "cmd649");
    EXPECT_TRUE(forms().isVisible(names::Entry649));
    EXPECT_EQ(StubForm::loads, 1);

    forms().hide(names::Entry649);
    engine::lucky(engine::LottKind::Lott649).entState = 2;
    click(names::MainWindow, "cmd649");
    EXPECT_FALSE(forms().isVisible(names::Entry649));

    click(names::MainWindow, "cmdS7");
    EXPECT_TRUE(forms().isVisible(names::EntryS7));
    click(names::MainWindow, "CmdHlp");
    click(names::MainWindow, "cmdAbout");
    EXPECT_TRUE(forms().isVisible(names::Help));
    EXPECT_TRUE(forms().isVisible(names::About));
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(MainWindowTest, CustomStartSequence)
{
    // First press: the settings screen opens; again while it shows: "Already Custom" only.
    click(names::MainWindow, "btnCst");
    EXPECT_TRUE(forms().isVisible(names::LottSet));
    EXPECT_EQ(engine::state().cst.session, 1);
    click(names::MainWindow, "btnCst");
    EXPECT_EQ(boxes.texts(), QStringList{"Already Custom"});
    EXPECT_EQ(boxes.shown()[0].title, "Numora INET 1.6");
    EXPECT_FALSE(forms().isLoaded(names::EntryCst));

    // After Cancel (the screen hidden), the same settings screen comes back without a reset.
    forms().hide(names::LottSet);
    QWidget *settings = forms().form(names::LottSet);
    click(names::MainWindow, "btnCst");
    EXPECT_EQ(forms().form(names::LottSet), settings);
    EXPECT_EQ(boxes.shown().size(), 1);

    // Handed over: the press does nothing, silently.
    forms().hide(names::LottSet);
    engine::lucky(engine::LottKind::LottCst).entState = 2;
    click(names::MainWindow, "btnCst");
    EXPECT_FALSE(forms().isVisible(names::LottSet));
    EXPECT_EQ(boxes.shown().size(), 1);

    // Once the custom display window was opened the next press starts afresh, even while the
    // old selections screen is still open.
    forms().show(names::SelectPrnCst);
    forms().show(names::DisplayCst);
    EXPECT_EQ(engine::state().cst.session, 2);
    engine::state().cst = {3, 80, 8, 1, 2};
    click(names::MainWindow, "btnCst");
    EXPECT_EQ(boxes.shown().size(), 1);
    EXPECT_FALSE(forms().isLoaded(names::SelectPrnCst));
    EXPECT_FALSE(forms().isLoaded(names::DisplayCst));
    EXPECT_TRUE(forms().isVisible(names::LottSet));
    EXPECT_NE(forms().form(names::LottSet), settings);
    EXPECT_EQ(engine::lucky(engine::LottKind::LottCst).entState, 0);
    EXPECT_EQ(engine::state().cst.setSize, 6);
    EXPECT_EQ(engine::state().cst.ballsIn, 49);
    EXPECT_EQ(engine::state().cst.session, 1);
}

TEST_F(MainWindowTest, ClosingItEndsTheProgram)
{
    click(names::MainWindow, "cmdS7");
    forms().form(names::MainWindow)->close();
    EXPECT_EQ(ending.endCalls(), 1);
}
