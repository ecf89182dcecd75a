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
