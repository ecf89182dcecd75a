#include "infowindows_fixture.h"

#include "help/licenceviewer.h"
#include "help/rtf/rtfreader.h"
#include "language/language.h"

#include <QApplication>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

using namespace numora;

namespace {

class AboutTest : public InfoWindowsTest
{
protected:
    void SetUp() override
    {
        InfoWindowsTest::SetUp();
        forms().show(names::MainWindow);
        forms().show(names::About);
    }
    QString agreementText()
    {
        return child<QTextEdit>(names::Licence, "rtfLicbox")->toPlainText();
    }
};

} // namespace

TEST_F(AboutTest, LaidOutAsDesignedAndOwnedByTheMainWindow)
{
    QWidget *about = forms().form(names::About);
    EXPECT_EQ(about->windowTitle(), "About Numora");
    EXPECT_EQ(about->size(), QSize(401, 409));
    EXPECT_EQ(about->parentWidget(), forms().form(names::MainWindow));
    EXPECT_TRUE(about->isWindow());

    const struct { const char *name; const char *text; QRect geometry; } buttons[] = {
        {"btnUela", "End User Licence Agreement", {16, 288, 169, 33}},
        {"cmdCorvaneSoftware", "https://numora.example/", {216, 288, 169, 33}},
        {"cmdOK", "OK", {296, 344, 84, 25}},
        {"cmdSysInfo", "&System Info...", {296, 376, 83, 23}},
    };
    for (const auto &b : buttons) {
        auto *button = child<QPushButton>(names::About, b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.text);
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
    }
    EXPECT_EQ(child<QPushButton>(names::About, "cmdCorvaneSoftware")->toolTip(), "https://numora.example/");
    EXPECT_EQ(child<QLabel>(names::About, "lblDisclaimer")->text(),
              "For amusement only, the author does not endorse lotteries. Winnings are not gauranteed "
              "and an advantage is not implied. Selections may not be published or redistrbuted by the "
              "purchaser.");
    EXPECT_TRUE(child<QLabel>(names::About, "lblVersion")->text().startsWith("V  1.6 Internet Edition."));
    EXPECT_EQ(child(names::About, "Line1")->geometry(), QRect(8, 336, 384, 1));
}

TEST_F(AboutTest, EnterAndEscapeClose)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QWidget *about = forms().show(names::About);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : about;
        QTest::keyClick(target, key);
        EXPECT_FALSE(forms().isLoaded(names::About));
    }
    // Enter on another button presses that button, as in any dialog.
    forms().show(names::About);
    auto *uela = child<QPushButton>(names::About, "btnUela");
    uela->setFocus();
    QTest::keyClick(uela, Qt::Key_Return);
    EXPECT_TRUE(forms().isVisible(names::Licence));
    EXPECT_TRUE(forms().isLoaded(names::About));
}

TEST_F(AboutTest, DescriptionOpensTheAgreementLikeItsButton)
{
    writeAgreement("{\\rtf1\\ansi Play for fun.\\par}");
    clickLabel(names::About, "lblDescription");
    EXPECT_TRUE(forms().isVisible(names::Licence));
    EXPECT_EQ(agreementText(), "Play for fun.");

    forms().unload(names::Licence);
    click(names::About, "btnUela");
    EXPECT_TRUE(forms().isVisible(names::Licence));
    EXPECT_EQ(agreementText(), "Play for fun.");

    forms().unload(names::Licence);
    clickLabel(names::About, "lblTitle");
    clickLabel(names::About, "lblDisclaimer");
    EXPECT_FALSE(forms().isLoaded(names::Licence));
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(AboutTest, ViewerReloadsTheAgreementAtEveryOpening)
{
    writeAgreement("{\\rtf1\\ansi First edition.\\par}");
    click(names::About, "btnUela");
    QWidget *viewer = forms().form(names::Licence);
    EXPECT_EQ(viewer->windowTitle(), "Numora End User License Agreement");
    EXPECT_EQ(viewer->size(), QSize(393, 282));
    EXPECT_EQ(agreementText(), "First edition.");

    click(names::Licence, "rtfLicRead");
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_TRUE(forms().isLoaded(names::Licence));

    writeAgreement("{\\rtf1\\ansi Second edition.\\par}");
    click(names::About, "btnUela");
    EXPECT_EQ(forms().form(names::Licence), viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(agreementText(), "Second edition.");

    // Closed with its close box it is unloaded, and the next opening builds it afresh.
    viewer->close();
    EXPECT_FALSE(forms().isLoaded(names::Licence));
    click(names::About, "btnUela");
    EXPECT_EQ(agreementText(), "Second edition.");
}

TEST_F(AboutTest, AgreementThatCannotBeReadIsReportedAboveTheStoredCopy)
{
    QTextDocument stored;
    ASSERT_TRUE(rtf::readFile(LicenceViewer::kStoredAgreement, stored).ok);
    const QString storedText = stored.toPlainText();
    const QString path = QDir::toNativeSeparators(QDir(folder.path()).filePath("NumoraUela.rtf"));
    const struct { const char *name; QByteArray file; QString note; QString below; } cases[] = {
        {"missing", {}, "The file \"" + path + "\" was not found. The copy of the agreement kept in "
                            "the program is shown below.", storedText},
        {"not RTF", "Just some text", "The file \"" + path + "\" is not an RTF document. The copy of "
                                      "the agreement kept in the program is shown below.", storedText},
        // A file read in part shows that part, with its note.
        {"damaged", "{\\rtf1\\ansi Kept text.\\par}}", "The file \"" + path + "\" is damaged: the "
                    "closing brace at byte 27 has no opening brace. The part that could be read is "
                    "shown below.", "Kept text."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QDir(folder.path()).filePath("NumoraUela.rtf"));
        if (!c.file.isEmpty())
            writeAgreement(c.file);
        click(names::About, "btnUela");
        EXPECT_TRUE(forms().isVisible(names::Licence));
        EXPECT_EQ(agreementText(), c.note + "\n" + c.below);
        EXPECT_TRUE(forms().isVisible(names::About));
    }
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(AboutTest, ViewerNotesAreEnglishWhateverTheLanguage)
{
    const QString path = QDir::toNativeSeparators(QDir(folder.path()).filePath("NumoraUela.rtf"));
    const struct { const char *name; QByteArray file; QString note; } cases[] = {
        {"missing", {}, "The file \"" + path + "\" was not found. The copy of the agreement kept in "
                        "the program is shown below."},
        {"damaged", "{\\rtf1\\ansi Kept text.\\par}}", "The file \"" + path + "\" is damaged: the "
                    "closing brace at byte 27 has no opening brace. The part that could be read is "
                    "shown below."},
    };
    for (const std::uint8_t language : {NotChosen, English, French, German, Italian, Spanish}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " in language " << int(language));
            QFile::remove(QDir(folder.path()).filePath("NumoraUela.rtf"));
            if (!c.file.isEmpty())
                writeAgreement(c.file);
            LangCode() = language;
            click(names::About, "btnUela");
            EXPECT_EQ(agreementText().section('\n', 0, 0), c.note);
            EXPECT_EQ(LangCode(), language) << "the viewer stores no language";
        }
    }
}

TEST_F(AboutTest, ViewerStartsWithTheStoredAgreementAndKeepsOneDocument)
{
    QTextDocument stored;
    ASSERT_TRUE(rtf::readFile(LicenceViewer::kStoredAgreement, stored).ok);
    forms().show(names::Licence);
    EXPECT_EQ(agreementText(), stored.toPlainText());

    auto *box = child<QTextEdit>(names::Licence, "rtfLicbox");
    writeAgreement("{\\rtf1\\ansi Play for fun.\\par}");
    for (int i = 0; i < 5; ++i)
        click(names::About, "btnUela");
    QFile::remove(QDir(folder.path()).filePath("NumoraUela.rtf"));
    click(names::About, "btnUela");
    EXPECT_EQ(box->findChildren<QTextDocument *>().size(), 1);
    EXPECT_EQ(box->findChildren<QTextDocument *>().value(0), box->document());
}

TEST_F(AboutTest, StoredAgreementSaysWhatTheDisclaimerSays)
{
    QTextDocument stored;
    ASSERT_TRUE(rtf::readFile(LicenceViewer::kStoredAgreement, stored).ok);
    const QString text = stored.toPlainText().simplified();
    for (const char *term : {"for your personal amusement only", "not guaranteed to win",
                             "no advantage is implied", "does not endorse lotteries",
                             "You may not publish or redistribute them",
                             "the person who obtained this copy of Numora"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(term))) << term;
    EXPECT_FALSE(text.contains("given to you free of charge"));
}

TEST_F(AboutTest, WebSiteAndSystemInformation)
{
    click(names::About, "cmdCorvaneSoftware");
    EXPECT_EQ(desktop.opened(), QList<QUrl>{QUrl("https://numora.example/")});

    click(names::About, "cmdSysInfo");
    EXPECT_EQ(boxes.texts(), QStringList{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(forms().isVisible(names::About));

    keys.setString(kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/usr/bin/hardinfo");
    click(names::About, "cmdSysInfo");
    EXPECT_EQ(desktop.started(), QStringList{"/usr/bin/hardinfo"});
    EXPECT_EQ(boxes.shown().size(), 1);
}
