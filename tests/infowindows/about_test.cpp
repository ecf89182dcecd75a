#include "infowindows_fixture.h"

#include <QApplication>
#include <QPushButton>
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

TEST_F(AboutTest, AgreementThatCannotBeReadIsReportedInTheViewer)
{
    const struct { const char *name; QByteArray file; QStringList shown; } cases[] = {
        {"missing", {}, {"NumoraUela.rtf", "was not found"}},
        {"not RTF", "Just some text", {"NumoraUela.rtf", "could not be shown"}},
        {"damaged", "{\\rtf1\\ansi Kept text.\\par}}", {"NumoraUela.rtf", "damaged", "Kept text."}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QDir(folder.path()).filePath("NumoraUela.rtf"));
        if (!c.file.isEmpty())
            writeAgreement(c.file);
        click(names::About, "btnUela");
        EXPECT_TRUE(forms().isVisible(names::Licence));
        for (const QString &part : c.shown)
            EXPECT_TRUE(agreementText().contains(part)) << agreementText().toStdString();
        EXPECT_TRUE(forms().isVisible(names::About));
    }
    EXPECT_TRUE(boxes.shown().isEmpty());
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
