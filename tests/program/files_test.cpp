#include "program_fixture.h"

#include "language/language.h"
#include "screens/mainwindow.h"
#include "screens/services/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTextEdit>

using namespace numora;
namespace names = numora::names;

namespace {

enum class Damage { Missing, Garbage };

class ProgramFilesTest : public ProgramTest, public ::testing::WithParamInterface<std::tuple<QString, Damage>>
{
protected:
    void damage(const QString &name, Damage how)
    {
        const QString path = m_folder.filePath(name);
        QFile::remove(path);
        if (how == Damage::Garbage) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            QByteArray noise;
            for (int i = 0; i < 4096; ++i)
                noise.append(char((i * 7919) % 251));
            file.write(noise);
        }
    }
    QString textOf(const QString &window, const QString &box)
    {
        auto *edit = child<QTextEdit>(window, box);
        return edit ? edit->toPlainText() : QString();
    }
};

// The flag that loads each guide.
const std::map<QString, QString> kGuideFlags{
    {"Numora User Guide.rtf", "PicUS"}, {"649HlpGuideFrench.rtf", "picFRA"},
    {"649HlpGuideGerman.rtf", "picGER"}, {"649HlpGuideItalian.rtf", "PicITA"},
    {"649HlpGuideSpanish.rtf", "picSPA"}};

} // namespace

TEST_P(ProgramFilesTest, SaysWhatIsWrongWhereTheFileIsUsedAndKeepsRunning)
{
    const auto &[name, how] = GetParam();
    damage(name, how);
    // The program starts as ever: nothing is read before a window needs its file.
    EXPECT_TRUE(forms().isVisible(names::MainWindow));

    if (kGuideFlags.count(name)) {
        LangCode() = 4;
        click(names::MainWindow, "CmdHlp");
        clickLabel(names::Help, kGuideFlags.at(name));
        const QString text = textOf(names::Help, "RtfBoxHlp");
        // In Italian, the language in force, naming the file by its full path.
        EXPECT_TRUE(text.startsWith("Non è stato possibile mostrare la guida.")) << text.toStdString();
        EXPECT_TRUE(text.contains("«" + QDir::toNativeSeparators(m_folder.filePath(name)) + "»"))
            << text.toStdString();
        EXPECT_EQ(LangCode(), 4) << "the language changes only with its guide";
        EXPECT_TRUE(boxes.shown().isEmpty());
    } else if (name == "NumoraUela.rtf") {
        click(names::MainWindow, "cmdAbout");
        click(names::About, "btnUela");
        const QString text = textOf(names::Licence, "rtfLicbox");
        EXPECT_TRUE(text.startsWith("The file \"" + QDir::toNativeSeparators(m_folder.filePath(name))))
            << text.toStdString();
        // The agreement kept in the program stands below the note.
        EXPECT_TRUE(text.contains("Numora End User Licence Agreement")) << text.toStdString();
        EXPECT_TRUE(forms().isVisible(names::Licence));
    } else {
        click(names::MainWindow, "CmdHlp");
        clickLabel(names::Help, "imgFilm");
        // The player reports some faults only once it has looked at the file.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown().isEmpty(); }, 5000));
        QCoreApplication::processEvents(); // any further report already queued
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.shown()[0].text, "Video player Not working properly");
        EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(forms().isLoaded(names::Video));
    }
    EXPECT_EQ(ending.endCalls(), 0);
    // And the program goes on: a lottery still plays.
    click(names::MainWindow, "cmd649");
    EXPECT_TRUE(forms().isVisible(names::Entry649));
}

INSTANTIATE_TEST_SUITE_P(
    EveryFile, ProgramFilesTest,
    ::testing::Combine(::testing::ValuesIn(ProgramTest::kFiles),
                       ::testing::Values(Damage::Missing, Damage::Garbage)),
    [](const auto &row) {
        QString name = std::get<0>(row.param);
        name.remove(QRegularExpression("[^A-Za-z0-9]"));
        return (name + (std::get<1>(row.param) == Damage::Missing ? "Missing" : "Garbage")).toStdString();
    });

// Without the video module beside the program the film says the player does not work, once,
// and the program goes on.
TEST_F(ProgramTest, WithoutTheVideoModuleTheFilmSaysSoAndTheProgramGoesOn)
{
    forms().registerForm(names::Video, &loadVideoWindow);
    ASSERT_FALSE(QFile::exists(m_folder.filePath("numora-video.so")));
    click(names::MainWindow, "CmdHlp");
    clickLabel(names::Help, "imgFilm");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Video player Not working properly");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(forms().isLoaded(names::Video));
    EXPECT_TRUE(forms().isVisible(names::Help));
    EXPECT_EQ(ending.endCalls(), 0);
    click(names::MainWindow, "cmd649");
    EXPECT_TRUE(forms().isVisible(names::Entry649));
}

// Without the print module beside the program a page sent to the printer is reported as not
// printed, and nothing else happens.
TEST_F(ProgramTest, WithoutThePrintModuleAPageIsReportedNotPrinted)
{
    ASSERT_FALSE(QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath("numora-print.so")));
    SystemPrinter printer;
    printer.printLine(" 5  12  33");
    const PrintResult result = printer.endDoc();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, printFailureText(PrintFailure::PrinterError));
    EXPECT_TRUE(printer.endDoc().ok); // the lines went with the failed page
}
