#include "helpwindows_fixture.h"

#include "help/helpwindow.h"
#include "help/rtf/rtfreader.h"
#include "language/language.h"
#include "screens/displaywindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace numora;

namespace {

const QString kDocs = QStringLiteral(NUMORA_DOCS_DIR);
const char *const kGuides[] = {"Numora User Guide.rtf", "649HlpGuideFrench.rtf", "649HlpGuideGerman.rtf",
                               "649HlpGuideItalian.rtf", "649HlpGuideSpanish.rtf"};

struct Picture
{
    QImage image;
    QSize stated;
};

struct GuideFacts
{
    QStringList headings;
    bool headingsBoldDarkBlue = true;
    int pictures = 0;
    QList<Picture> images;
};

GuideFacts factsOf(const QTextDocument &doc)
{
    GuideFacts facts;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const bool heading = block.text().startsWith(QLatin1String("* "));
        if (heading)
            facts.headings << block.text().mid(2);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QTextImageFormat image = format.toImageFormat();
                const QImage decoded = doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
                if (!decoded.isNull())
                    ++facts.pictures;
                facts.images.append({decoded, QSize(qRound(image.width()), qRound(image.height()))});
                continue;
            }
            if (fragment.text().trimmed().isEmpty())
                continue;
            if (heading) {
                facts.headingsBoldDarkBlue &= format.fontWeight() >= QFont::Bold
                    && format.foreground().color() == QColor(0, 0, 128);
            }
        }
    }
    return facts;
}

} // namespace

TEST(Guides, EveryGuideReadsWithBoldColouredHeadingsAndTwoPictures)
{
    for (const char *name : kGuides) {
        SCOPED_TRACE(name);
        QTextDocument doc;
        const rtf::ReadResult result = rtf::readFile(QDir(kDocs).filePath(QString::fromLatin1(name)), doc);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_FALSE(result.damaged) << result.error.toStdString();
        EXPECT_EQ(doc.begin().text(), "Numora");

        const GuideFacts facts = factsOf(doc);
        EXPECT_EQ(facts.headings.size(), 7) << facts.headings.join(" | ").toStdString();
        EXPECT_TRUE(facts.headingsBoldDarkBlue);
        EXPECT_EQ(facts.pictures, 2);
    }
}

// Each guide shows the windows in its own language: its pictures are its own, none the same
// as another guide's, and each decodes at the size the document states for it.
TEST(Guides, EachGuideHoldsItsOwnPicturesAtTheirStatedSize)
{
    QList<QList<Picture>> pictures;
    for (const char *name : kGuides) {
        SCOPED_TRACE(name);
        QTextDocument doc;
        ASSERT_TRUE(rtf::readFile(QDir(kDocs).filePath(QString::fromLatin1(name)), doc).ok);
        const QList<Picture> images = factsOf(doc).images;
        ASSERT_EQ(images.size(), 2);
        for (const Picture &picture : images) {
            ASSERT_FALSE(picture.image.isNull());
            EXPECT_EQ(picture.image.size(), picture.stated);
        }
        pictures.append(images);
    }
    for (qsizetype a = 0; a < pictures.size(); ++a) {
        for (qsizetype b = a + 1; b < pictures.size(); ++b) {
            for (qsizetype i = 0; i < 2; ++i) {
                EXPECT_NE(pictures[a][i].image, pictures[b][i].image)
                    << "picture " << i + 1 << " of " << kGuides[a] << " and " << kGuides[b];
            }
        }
    }
}

TEST(Guides, StoredGuideIsTheEnglishGuideWithItsSections)
{
    QFile stored(HelpWindow::kStoredGuide);
    QFile english(QDir(kDocs).filePath("Numora User Guide.rtf"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), english.readAll());

    QTextDocument doc;
    ASSERT_TRUE(rtf::readFile(HelpWindow::kStoredGuide, doc).ok);
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.contains("For Windows 98/ME/2000/NT4/XP"));
    EXPECT_TRUE(text.contains("Example: 649 quick pick=0 6 49"));
    EXPECT_TRUE(text.contains("Example:649 with 3 lucky numbers=3 6 49"));
    EXPECT_EQ(factsOf(doc).headings,
              (QStringList{"How to pick a lucky number", "Using Numora", "How the lucky number slider works",
                           "Custom lottery settings", "About lotteries", "Odds", "Note"}));

    // Body text is black and not bold.
    const QTextBlock body = doc.begin().next().next();
    ASSERT_FALSE(body.text().isEmpty());
    const QTextCharFormat format = body.begin().fragment().charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(Qt::black));
    EXPECT_LT(format.fontWeight(), QFont::Bold);
}

namespace {

class GuideQuotesTest : public HelpWindowsTest
{
protected:
    QString text(const QString &window, const char *name)
    {
        auto *widget = child(window, QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text().remove(QLatin1Char('&'));
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text().trimmed();
        return {};
    }
    // What a user meets on the way through a 6/49 lottery in the language the flag chose,
    // from the main window to the display window's menu and the printer question.
    QStringList shownTexts()
    {
        QStringList shown;
        for (const char *name : {"cmd649", "cmdS7", "btnCst", "cmdAbout", "CmdHlp"})
            shown << text(names::MainWindow, name);
        click(names::MainWindow, "cmdS7");
        shown << text(names::EntryS7, "lblS7");
        click(names::MainWindow, "cmd649");
        shown << text(names::Entry649, "lbl649ent");
        for (int n : {7, 12, 12, 19, 23, 31, 42})
            click(names::Entry649, QStringLiteral("btnS%1").arg(n));
        // One step to the right from the start, as the guides' example.
        QTest::keyClick(child(names::Entry649, "Slider1"), Qt::Key_Right);
        shown << text(names::Entry649, "lblSliVal");
        click(names::Entry649, "btnNext");
        for (const char *name : {"optSel5", "optSel10", "optSel20", "disSel", "prnSel", "cmdClose"})
            shown << text(names::SelectPrn649, name);
        click(names::SelectPrn649, "disSel");
        auto *display = forms().form<DisplayWindow>(names::Display649);
        const QPoint at(20, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, display->mapToGlobal(at));
        QApplication::sendEvent(display, &event);
        auto *menu = display->findChild<QMenu *>(QStringLiteral("mnuDisplay"));
        EXPECT_NE(menu, nullptr);
        if (menu) {
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    shown << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            }
            menu->hide();
        }
        boxes.queue(MsgAnswer::Cancel);
        click(names::SelectPrn649, "prnSel");
        // The boxes by what the guides quote of them: the title of the box that ends the entry,
        // the text of the others.
        for (const ShownMessage &box : boxes.shown())
            shown << (box.title == QLatin1String("Entry of Draws done") ? box.title : box.text);
        return shown;
    }
};

} // namespace

// Each guide quotes the program's own texts in its language: the buttons it names, the
// labels the entry screens show (the Super 7 screen its own), the slider's line one step to
// the right of the start, the menu of the window with the tickets and the boxes on the way.
TEST_F(GuideQuotesTest, EachGuideQuotesWhatTheProgramShowsInItsLanguage)
{
    const struct { const char *flag; std::uint8_t language; } guides[] = {
        {"PicUK", English}, {"picFRA", French}, {"picGER", German}, {"PicITA", Italian},
        {"picSPA", Spanish}};
    for (const auto &g : guides) {
        SCOPED_TRACE(g.flag);
        click(names::MainWindow, "CmdHlp");
        clickLabel(names::Help, g.flag);
        ASSERT_EQ(LangCode(), g.language);
        const QString guide = child<QTextEdit>(names::Help, "RtfBoxHlp")->toPlainText();
        boxes.clear();
        const QStringList shown = shownTexts();
        EXPECT_EQ(boxes.texts(), (QStringList{"This number was already entered", "Click Next or Undo",
                                             "Is the printer on?",
                                             "The Printer was not ready, Close Numora"}));
        for (const QString &quote : shown)
            EXPECT_TRUE(guide.contains(quote)) << quote.toStdString();

        // The next language starts from a fresh run.
        forms().unloadAll();
        engine::resetState();
        forms().show(names::MainWindow);
    }
}
