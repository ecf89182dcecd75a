#include "helpwindows_fixture.h"

#include "help/helpwindow.h"
#include "help/rtf/rtfreader.h"
#include "help/videowindow.h"
#include "language/language.h"
#include "screens/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

using namespace numora;
namespace names = numora::names;

namespace {

const QStringList kShapes{"FRAShape", "USShape", "CANShape", "ITAShape", "SPAShape", "UKShape", "GERShape"};

class HelpWindowTest : public HelpWindowsTest
{
protected:
    HelpWindow *openHelp()
    {
        click(names::MainWindow, "CmdHlp");
        return forms().form<HelpWindow>(names::Help);
    }
    QString guideText() { return child<QTextEdit>(names::Help, "RtfBoxHlp")->toPlainText(); }
    // The bars drawn green; every other bar must be red.
    QStringList greenBars()
    {
        QStringList green;
        for (const QString &name : kShapes) {
            const QColor colour = child<RectShape>(names::Help, name)->borderColor();
            if (colour == QColor(0x00, 0xFF, 0x00))
                green << name;
            else
                EXPECT_EQ(colour, QColor(0xFF, 0x00, 0x00)) << name.toStdString();
        }
        return green;
    }
    QStringList mainCaptions()
    {
        QStringList list;
        for (const char *name : {"btnCst", "CmdHlp", "cmdAbout"})
            list << child<QPushButton>(names::MainWindow, QString::fromLatin1(name))->text();
        return list;
    }
    static QString fileText(const QString &name)
    {
        QTextDocument doc;
        EXPECT_TRUE(rtf::readFile(QDir(kDocsDir).filePath(name), doc).ok) << name.toStdString();
        return doc.toPlainText();
    }
    const QStringList kEnglishBars{"USShape", "CANShape", "UKShape"};
};

} // namespace

TEST_F(HelpWindowTest, OpensWithTheStoredEnglishGuideAndEnglishBars)
{
    applyLanguage(German);
    HelpWindow *help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Numora Help");
    EXPECT_EQ(help->size(), QSize(449, 380));
    EXPECT_EQ(child(names::Help, "RtfBoxHlp")->geometry(), QRect(8, 8, 433, 297));
    EXPECT_TRUE(child<QTextEdit>(names::Help, "RtfBoxHlp")->isReadOnly());
    const struct { const char *flag; int left; } flags[] = {
        {"picFRA", 8}, {"PicUS", 64}, {"picCAN", 120}, {"PicITA", 176},
        {"picSPA", 232}, {"PicUK", 288}, {"picGER", 344}, {"imgFilm", 400}};
    for (const auto &f : flags)
        EXPECT_EQ(child(names::Help, f.flag)->geometry(), QRect(f.left, 320, 41, 41)) << f.flag;
    EXPECT_EQ(child(names::Help, "GERShape")->geometry(), QRect(344, 368, 41, 1));

    EXPECT_EQ(guideText(), fileText("Numora User Guide.rtf"));
    EXPECT_EQ(greenBars(), kEnglishBars);
    // The window reads no language of its own.
    EXPECT_EQ(LangCode(), German);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(HelpWindowTest, FlagsLoadTheirGuideThenSwitchTheLanguageAndTheBars)
{
    openHelp();
    const struct {
        const char *flag;
        std::uint8_t language;
        const char *guide;
        QStringList captions;
        QStringList green;
    } cases[] = {
        {"picGER", German, "649HlpGuideGerman.rtf", {"Sitte", "Aufhelfe", "Labout"}, {"GERShape"}},
        {"PicUS", English, "Numora User Guide.rtf", {"Custom", "Help", "About"}, kEnglishBars},
        {"picFRA", French, "649HlpGuideFrench.rtf", {"Coutume", "Aider", "About"}, {"FRAShape"}},
        {"picCAN", English, "Numora User Guide.rtf", {"Custom", "Help", "About"}, kEnglishBars},
        {"PicITA", Italian, "649HlpGuideItalian.rtf", {"Costume", "Help", "About"}, {"ITAShape"}},
        {"PicUK", English, "Numora User Guide.rtf", {"Custom", "Help", "About"}, kEnglishBars},
        {"picSPA", Spanish, "649HlpGuideSpanish.rtf", {"Costumbre", "Ayudar", "Sobre"}, {"SPAShape"}},
        {"picSPA", Spanish, "649HlpGuideSpanish.rtf", {"Costumbre", "Ayudar", "Sobre"}, {"SPAShape"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flag);
        clickLabel(names::Help, c.flag);
        EXPECT_EQ(LangCode(), c.language);
        EXPECT_EQ(mainCaptions(), c.captions);
        EXPECT_EQ(guideText(), fileText(c.guide));
        EXPECT_EQ(greenBars(), c.green);
    }
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(HelpWindowTest, ReopeningShowsEnglishWhileTheLanguageStays)
{
    openHelp();
    clickLabel(names::Help, "picSPA");
    forms().form(names::Help)->close();
    EXPECT_FALSE(forms().isLoaded(names::Help));

    openHelp();
    EXPECT_EQ(guideText(), fileText("Numora User Guide.rtf"));
    EXPECT_EQ(greenBars(), kEnglishBars);
    EXPECT_EQ(LangCode(), Spanish);
    EXPECT_EQ(mainCaptions(), (QStringList{"Costumbre", "Ayudar", "Sobre"}));
}

TEST_F(HelpWindowTest, UnreadableGuideSaysWhyAndKeepsLanguageAndBars)
{
    const struct {
        const char *name;
        const char *content; // nullptr: no file; "/": a folder in its place
        const char *reason;  // in Italian, the language in force
    } cases[] = {
        {"missing", nullptr, "non è stato trovato"},
        {"folder", "/", "è una cartella"},
        {"empty", "", "è vuoto"},
        {"not RTF", "Hallo Welt", "non è un documento RTF"},
    };
    openHelp();
    clickLabel(names::Help, "PicITA");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString guide = folder.filePath("649HlpGuideGerman.rtf");
        if (c.content && QByteArray(c.content) == "/") {
            ASSERT_TRUE(QDir(folder.path()).mkdir("649HlpGuideGerman.rtf"));
        } else if (c.content) {
            QFile file(guide);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        setProgramFolder(folder.path());

        clickLabel(names::Help, "picGER");
        EXPECT_TRUE(forms().isVisible(names::Help));
        const QString text = guideText();
        EXPECT_TRUE(text.startsWith("Non è stato possibile mostrare la guida.")) << text.toStdString();
        EXPECT_TRUE(text.contains("«" + QDir::toNativeSeparators(guide) + "»")) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.toStdString();
        EXPECT_TRUE(text.endsWith("La lingua non è stata cambiata.")) << text.toStdString();
        EXPECT_EQ(LangCode(), Italian);
        EXPECT_EQ(mainCaptions(), (QStringList{"Costume", "Help", "About"}));
        EXPECT_EQ(greenBars(), QStringList{"ITAShape"});
    }
    EXPECT_TRUE(boxes.shown().isEmpty());

    // A guide that reads again works as ever.
    setProgramFolder(kDocsDir);
    clickLabel(names::Help, "picGER");
    EXPECT_EQ(guideText(), fileText("649HlpGuideGerman.rtf"));
    EXPECT_EQ(LangCode(), German);
}

TEST_F(HelpWindowTest, NoteOfAMissingGuideSpeaksTheLanguageInForce)
{
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    const QString guide = QDir::toNativeSeparators(folder.filePath("649HlpGuideSpanish.rtf"));
    openHelp();
    const struct { std::uint8_t language; QString note; } cases[] = {
        {NotChosen, "The guide could not be shown.\n\nThe file \"" + guide
                        + "\" was not found.\n\nThe language has not been changed."},
        {English, "The guide could not be shown.\n\nThe file \"" + guide
                      + "\" was not found.\n\nThe language has not been changed."},
        {French, "Le guide n’a pas pu être affiché.\n\nLe fichier « " + guide
                     + " » est introuvable.\n\nLa langue n’a pas été changée."},
        {German, "Die Anleitung konnte nicht angezeigt werden.\n\nDie Datei „" + guide
                     + "“ wurde nicht gefunden.\n\nDie Sprache wurde nicht geändert."},
        {Italian, "Non è stato possibile mostrare la guida.\n\nIl file «" + guide
                      + "» non è stato trovato.\n\nLa lingua non è stata cambiata."},
        {Spanish, "No se ha podido mostrar la guía.\n\nNo se ha encontrado el archivo «" + guide
                      + "».\n\nEl idioma no se ha cambiado."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.language));
        LangCode() = c.language;
        clickLabel(names::Help, "picSPA");
        EXPECT_EQ(guideText(), c.note);
        EXPECT_EQ(LangCode(), c.language);
    }
}

TEST_F(HelpWindowTest, DamagedGuideShowsWhatWasReadWithANoteInItsLanguage)
{
    QTemporaryDir folder;
    const QString guide = folder.filePath("649HlpGuideFrench.rtf");
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi Bonjour}}");
    file.close();
    setProgramFolder(folder.path());

    openHelp();
    clickLabel(names::Help, "picFRA");
    // The click brings French in, and the note above the French guide is French too.
    EXPECT_TRUE(guideText().startsWith("Le fichier « " + QDir::toNativeSeparators(guide)
                                       + " » est endommagé : l’accolade fermante à l’octet 20"))
        << guideText().toStdString();
    EXPECT_TRUE(guideText().contains("La partie qui a pu être lue est affichée ci-dessous.\n"));
    EXPECT_TRUE(guideText().endsWith("Bonjour"));
    EXPECT_EQ(LangCode(), French);
    EXPECT_EQ(greenBars(), QStringList{"FRAShape"});
}

TEST_F(HelpWindowTest, BoxKeepsOnlyTheGuideItShows)
{
    openHelp();
    auto *box = child<QTextEdit>(names::Help, "RtfBoxHlp");
    const QPointer<QTextDocument> stored = box->document();
    for (const char *flag : {"picGER", "PicUS", "picFRA", "picGER", "picSPA", "PicITA", "PicUK"})
        clickLabel(names::Help, flag);
    EXPECT_TRUE(stored.isNull()) << "the stored guide's document is deleted once replaced";
    EXPECT_EQ(box->findChildren<QTextDocument *>().size(), 1);

    // A guide that fails leaves its note as the one document.
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    clickLabel(names::Help, "picGER");
    clickLabel(names::Help, "picGER");
    EXPECT_EQ(box->findChildren<QTextDocument *>().size(), 1);
    EXPECT_EQ(box->findChildren<QTextDocument *>().value(0), box->document());
}

TEST_F(HelpWindowTest, FilmOpensTheVideoWindowOnce)
{
    static int loads = 0;
    loads = 0;
    class CountingVideo : public Form
    {
    public:
        void load() override { ++loads; }
    };
    forms().registerForm(names::Video, [] { return new CountingVideo; });
    openHelp();
    clickLabel(names::Help, "imgFilm");
    clickLabel(names::Help, "imgFilm");
    EXPECT_TRUE(forms().isVisible(names::Video));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(LangCode(), English);
}
