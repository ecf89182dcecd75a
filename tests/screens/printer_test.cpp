#include "screens/services/printer.h"

#include "language/language.h"
#include "screens/services/printerdevice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace numora {
namespace {

TEST(RecordingPrinter, RecordsPagesAndFailsWhenToldTo)
{
    RecordingPrinter recorder;
    setPrinter(&recorder);
    printer().printLine("");
    printer().printLine("NUMORA  5 SELECTIONS:");
    EXPECT_EQ(recorder.lines(), QStringList({"", "NUMORA  5 SELECTIONS:"}));
    EXPECT_TRUE(printer().endDoc().ok);
    EXPECT_TRUE(recorder.lines().isEmpty());
    EXPECT_EQ(recorder.pages(), QList<QStringList>({{"", "NUMORA  5 SELECTIONS:"}}));

    recorder.setFailure("Out of paper");
    printer().printLine(" 3  11 ");
    const PrintResult failed = printer().endDoc();
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, "Out of paper");
    EXPECT_EQ(recorder.pages().size(), 1);
    EXPECT_EQ(recorder.endDocCalls(), 2);

    setPrinter(nullptr);
    EXPECT_NE(dynamic_cast<SystemPrinter *>(&printer()), nullptr);
}

TEST(SystemPrinter, WithoutDefaultPrinterReportsItAndPrintsNothing)
{
    SystemPrinter noPrinter([] { return QPrinterInfo(); });
    noPrinter.printLine("NUMORA  5 SELECTIONS:");
    const PrintResult result = noPrinter.endDoc();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No default printer is set up on this computer.");
}

TEST(PrintFailureText, EveryReasonSpeaksEachLanguageAndKeepsThePrintersOwnName)
{
    const QString name = QStringLiteral("Büro-Laser_2 %2");
    const struct { PrintFailure reason; bool named; const char *english; } cases[] = {
        {PrintFailure::NoPrinter, false, "No default printer is set up on this computer."},
        {PrintFailure::PrinterUnusable, true, "The printer \"Büro-Laser_2 %2\" cannot be used."},
        {PrintFailure::NotSent, true,
         "The page could not be sent to \"Büro-Laser_2 %2\". Nothing was printed."},
        {PrintFailure::PrinterError, false,
         "The printer reported an error. The page may not have been printed."},
        {PrintFailure::PrinterStopped, true,
         "The printer \"Büro-Laser_2 %2\" is stopped or reports an error. Nothing was printed."},
    };
    for (const auto &c : cases) {
        QStringList texts;
        for (std::uint8_t lang = 0; lang <= 5; ++lang) {
            LangCode() = lang;
            const QString text = printFailureText(c.reason, name);
            EXPECT_EQ(text.contains(name), c.named) << text.toStdString();
            EXPECT_FALSE(text.contains("%1")) << text.toStdString();
            texts << text;
        }
        EXPECT_EQ(texts[0], QString::fromUtf8(c.english));
        EXPECT_EQ(texts[1], texts[0]);
        EXPECT_EQ(QSet<QString>(texts.begin() + 1, texts.end()).size(), 5) << texts.join('|').toStdString();
    }
    EXPECT_EQ(LangCode(), 5);
    LangCode() = 0;
}

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(10000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class PdfPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(m_dir.isValid());
    }
    QTemporaryDir m_dir;
};

TEST_F(PdfPage, PageReadsBackLineByLine)
{
    const QString path = m_dir.filePath("page.pdf");
    PdfPrinter pdf(path);
    const QStringList page{"", "", "NUMORA  5 SELECTIONS:", "", "", " 3  11  19  24  38  45 ",
                           "", " 45  3  19  7  1  49 "};
    for (const QString &line : page)
        pdf.printLine(line);
    const PrintResult result = pdf.endDoc();
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    QStringList read;
    for (const QString &line : pdfText(path).split('\n')) {
        if (!line.trimmed().isEmpty())
            read.append(line.simplified());
    }
    EXPECT_EQ(read, QStringList({"NUMORA 5 SELECTIONS:", "3 11 19 24 38 45", "45 3 19 7 1 49"}));
}

TEST_F(PdfPage, LinesBeyondOnePageGoOnTheNextInsteadOfBeingLost)
{
    const QString path = m_dir.filePath("long.pdf");
    PdfPrinter pdf(path);
    for (int i = 1; i <= 120; ++i)
        pdf.printLine(QStringLiteral("Line %1").arg(i));
    ASSERT_TRUE(pdf.endDoc().ok);

    const QString text = pdfText(path);
    EXPECT_GE(text.count('\f'), 2); // pdftotext ends every page with a form feed
    for (int i : {1, 60, 120})
        EXPECT_TRUE(text.contains(QStringLiteral("Line %1\n").arg(i))) << i;
}

// The nearest any word of a page comes to the paper's left and top edges, in millimetres.
QPointF nearestWordMm(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    if (!pdftotext.waitForFinished(10000))
        return {-1, -1};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re");
    qreal left = 1e9;
    qreal top = 1e9;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        left = std::min(left, m.captured(1).toDouble());
        top = std::min(top, m.captured(2).toDouble());
    }
    constexpr qreal mmPerPoint = 25.4 / 72;
    return {left * mmPerPoint, top * mmPerPoint};
}

TEST_F(PdfPage, TextKeepsHalfAnInchFromThePaperEdges)
{
    const QString path = m_dir.filePath("margins.pdf");
    PdfPrinter pdf(path);
    for (const char *line : {"NUMORA  5 SELECTIONS:", " 3  11  19  24  38  45 "})
        pdf.printLine(line);
    ASSERT_TRUE(pdf.endDoc().ok);
    const QPointF nearest = nearestWordMm(path);
    constexpr qreal pdfRounding = 0.01; // the page's coordinates are written to 1/100 point
    EXPECT_GE(nearest.x(), kLeastMarginMm - pdfRounding);
    EXPECT_GE(nearest.y(), kLeastMarginMm - pdfRounding);
    EXPECT_LT(nearest.x(), kLeastMarginMm + 3); // at the margin, not somewhere down the page
}

TEST(SafeMargins, HalfAnInchOrTheDevicesOwnMinimumWhereLarger)
{
    EXPECT_EQ(safeMargins({0, 0, 0, 0}), QMarginsF(12.7, 12.7, 12.7, 12.7));
    EXPECT_EQ(safeMargins({3.5, 3.5, 3.5, 3.5}), QMarginsF(12.7, 12.7, 12.7, 12.7));
    EXPECT_EQ(safeMargins({20, 3, 12.7, 25}), QMarginsF(20, 12.7, 12.7, 25));
}

TEST(PdfPrinter, UnwritableFileIsReportedWithItsPath)
{
    PdfPrinter pdf("/nonexistent-folder/page.pdf");
    pdf.printLine("NUMORA  5");
    const PrintResult result = pdf.endDoc();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("The PDF file \"/nonexistent-folder/page.pdf\" could not be saved: "))
        << result.error.toStdString();
}

// A full disk: a small file system of its own, filled up. Only root may make one here.
TEST(PdfPrinter, AFullDiskIsReportedAndLeavesTheEarlierFileAsItWas)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a full file system of its own needs root to mount";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
        GTEST_SKIP() << "no tmpfs could be mounted";
    struct Unmount
    {
        QString path;
        ~Unmount() { QProcess::execute("umount", {path}); }
    } unmount{dir.path()};

    const QString path = dir.filePath("tickets.pdf");
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier tickets");
        ASSERT_TRUE(earlier.flush());
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    PdfPrinter pdf(path);
    pdf.printLine("NUMORA  5 SELECTIONS:");
    const PrintResult result = pdf.endDoc();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.section(": ", 1).section("\n\n", 0, 0), QString::fromLocal8Bit(strerror(ENOSPC)))
        << result.error.toStdString();
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier tickets");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "tickets.pdf"}));
}

// What pdftotext reads of a file's pages: each page's size and each word with its box.
QStringList pageGeometry(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    if (!pdftotext.waitForFinished(10000))
        return {};
    static const QRegularExpression item(R"re(<(page|word) [^>]*>[^<]*)re");
    QStringList found;
    for (auto it = item.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput())); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

TEST_F(PdfPage, SavedPageIsThePageThePrinterGets)
{
    const QStringList lines{"", "", "NUMORA  5 SELECTIONS:", "", "", " 3  11  19  24  38  45 ",
                            "", " 45  3  19  7  1  49 "};
    // The print system's device on A4 paper, as the print module draws on a printer.
    const QString printed = m_dir.filePath("printed.pdf");
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(printed);
    device.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(printLines(device, lines).ok);

    const QString saved = m_dir.filePath("saved.pdf");
    PdfPrinter pdf(saved, QLocale(QLocale::German, QLocale::Germany));
    for (const QString &line : lines)
        pdf.printLine(line);
    ASSERT_TRUE(pdf.endDoc().ok);

    const QStringList geometry = pageGeometry(saved);
    ASSERT_GT(geometry.size(), 10);
    EXPECT_EQ(geometry, pageGeometry(printed));
}

TEST_F(PdfPage, PaperFollowsTheLocalesMeasurement)
{
    // Paper sizes in points: Letter 8.5 x 11 inches, A4 210 x 297 mm.
    const struct { QLocale locale; QSizeF points; } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), {612, 792}},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), {595.3, 841.9}},
        {QLocale(QLocale::German, QLocale::Germany), {595.3, 841.9}},
        {QLocale(QLocale::Spanish, QLocale::Mexico), {595.3, 841.9}},
    };
    static const QRegularExpression page(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
    for (const auto &c : cases) {
        const QString path = m_dir.filePath(c.locale.name() + ".pdf");
        PdfPrinter pdf(path, c.locale);
        pdf.printLine("NUMORA  5");
        ASSERT_TRUE(pdf.endDoc().ok);
        const QStringList geometry = pageGeometry(path);
        ASSERT_FALSE(geometry.isEmpty()) << c.locale.name().toStdString();
        const auto m = page.match(geometry[0]);
        ASSERT_TRUE(m.hasMatch()) << geometry[0].toStdString();
        EXPECT_NEAR(m.captured(1).toDouble(), c.points.width(), 1) << c.locale.name().toStdString();
        EXPECT_NEAR(m.captured(2).toDouble(), c.points.height(), 1) << c.locale.name().toStdString();
    }
}

} // namespace
} // namespace numora
