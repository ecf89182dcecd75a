#include "help/helpwindow.h"
#include "help/rtf/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace numora;

namespace {

const QString kDocs = QStringLiteral(NUMORA_DOCS_DIR);

struct GuideFacts
{
    QStringList headings;
    bool headingsBoldDarkBlue = true;
    int pictures = 0;
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
                const QString name = format.toImageFormat().name();
                if (!doc.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>().isNull())
                    ++facts.pictures;
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
    for (const char *name : {"Numora User Guide.rtf", "649HlpGuideFrench.rtf", "649HlpGuideGerman.rtf",
                             "649HlpGuideItalian.rtf", "649HlpGuideSpanish.rtf"}) {
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
