#include "help/documentnotes.h"
#include "help/rtf/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace numora;

namespace {

// Writes `content` as the file `name` in `folder` (nullptr: no file; "/": a folder in its
// place) and reads it as the windows do.
rtf::ReadResult readAs(const QTemporaryDir &folder, const QString &name, const char *content)
{
    const QString path = folder.filePath(name);
    if (content && QByteArray(content) == "/") {
        QDir(folder.path()).mkdir(name);
    } else if (content) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    QTextDocument doc;
    return rtf::readFile(path, doc);
}

} // namespace

TEST(DocumentNotes, SayWhichFileAndWhyInEveryLanguage)
{
    const QByteArray deep = "{\\rtf1 " + QByteArray(200, '{') + "x" + QByteArray(200, '}') + "}";
    const struct {
        const char *name;
        const char *content;
        const char *english; // %1 the full path
    } cases[] = {
        {"missing", nullptr, "The file \"%1\" was not found."},
        {"folder", "/", "\"%1\" is a folder, not a document."},
        {"empty", "", "The file \"%1\" is empty."},
        {"not RTF", "Hello", "The file \"%1\" is not an RTF document."},
        {"cut short", "{\\rtf1 {\\b Hello}",
         "The file \"%1\" is damaged: it ends before all its groups are closed, so it may be cut short."},
        {"stray brace", "{\\rtf1 Hello} there}",
         "The file \"%1\" is damaged: the closing brace at byte 12 has no opening brace."},
        {"too deep", deep.constData(),
         "The file \"%1\" is damaged: its groups are nested too deeply at byte 134; the deeper part is left out."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath("guide 100%2.rtf");
        const rtf::ReadResult result = readAs(folder, "guide 100%2.rtf", c.content);
        ASSERT_TRUE(!result.ok || result.damaged);

        const QString english = QString::fromUtf8(c.english).replace("%1", QDir::toNativeSeparators(path));
        EXPECT_EQ(documentFault(path, result, 1), english);
        EXPECT_EQ(documentFault(path, result, 0), english) << "no language chosen yet reads as English";
        QSet<QString> texts;
        for (std::uint8_t language = 1; language <= 5; ++language) {
            const QString text = documentFault(path, result, language);
            EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path))) << text.toStdString();
            texts.insert(text);
        }
        EXPECT_EQ(texts.size(), 5) << "each language has its own text";
    }
}

TEST(DocumentNotes, MissingFileInTheFiveLanguages)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("NumoraUela.rtf");
    const rtf::ReadResult result = readAs(folder, "NumoraUela.rtf", nullptr);
    const QString shown = QDir::toNativeSeparators(path);
    const QStringList expected{
        QString("The file \"%1\" was not found.").arg(shown),
        QString("Le fichier « %1 » est introuvable.").arg(shown),
        QString("Die Datei „%1“ wurde nicht gefunden.").arg(shown),
        QString("Il file «%1» non è stato trovato.").arg(shown),
        QString("No se ha encontrado el archivo «%1».").arg(shown),
    };
    for (std::uint8_t language = 1; language <= 5; ++language)
        EXPECT_EQ(documentFault(path, result, language), expected[language - 1]) << int(language);
}

TEST(DocumentNotes, DamagedNoteSaysTheReadablePartFollows)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("649HlpGuideGerman.rtf");
    const rtf::ReadResult result = readAs(folder, "649HlpGuideGerman.rtf", "{\\rtf1 Hallo");
    ASSERT_TRUE(result.ok && result.damaged);
    EXPECT_TRUE(damagedDocumentNote(path, result, 3).startsWith(documentFault(path, result, 3)));
    EXPECT_TRUE(damagedDocumentNote(path, result, 3).endsWith("Der lesbare Teil wird unten angezeigt."));
    EXPECT_TRUE(damagedDocumentNote(path, result, 0).endsWith("The part that could be read is shown below."));
}
