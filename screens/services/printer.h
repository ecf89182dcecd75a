#pragma once

#include <QList>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;

namespace numora {

struct PrintDevice;

// Why a page was not (or not fully) printed.
enum class PrintFailure { NoPrinter, PrinterUnusable, NotSent, PrinterError, PrinterStopped };

// The reason in the interface language in force (English before one is chosen). `printer`,
// the print system's own name for the printer or file, fills in the reasons that name one.
QString printFailureText(PrintFailure reason, const QString &printer = {});

struct PrintResult
{
    bool ok = true;
    QString error; // why nothing (or not everything) was printed, for the user
};

// A print document: lines of text from the top of the page, sent by endDoc().
class Printer
{
public:
    virtual ~Printer() = default;
    // "" prints an empty line.
    virtual void printLine(const QString &text) = 0;
    // Sends the page and starts a new document. A document without lines prints nothing.
    virtual PrintResult endDoc() = 0;
};

// Keeps a document's lines and sends them, when it ends, to a device that draws them with
// drawPage().
class DevicePrinter : public Printer
{
public:
    void printLine(const QString &text) override;
    PrintResult endDoc() override;

protected:
    virtual PrintResult send(const QStringList &lines) = 0;

private:
    QStringList m_lines;
};

// The default printer of the desktop's print system (CUPS), looked up when the page is sent.
// The print system is loaded then too, with the print module beside the program.
class SystemPrinter : public DevicePrinter
{
public:
    using Lookup = std::function<QPrinterInfo()>;

    SystemPrinter();
    // `lookup` stands in for QPrinterInfo::defaultPrinter().
    explicit SystemPrinter(Lookup lookup);

protected:
    PrintResult send(const QStringList &lines) override;

private:
    Lookup m_lookup;
};

// Writes the page to a PDF file with the printer's drawing, on the paper of `locale`
// (localePageSize()), without the print system. The file is written beside its place and
// renamed when complete, so a failed save leaves any file of that name as it was.
class PdfPrinter : public DevicePrinter
{
public:
    explicit PdfPrinter(const QString &path, const QLocale &locale = QLocale::system());

protected:
    PrintResult send(const QStringList &lines) override;

private:
    QString m_path;
    QLocale m_locale;
};

// Why a PDF file could not be saved, in the interface language in force: the full path, the
// system's reason, and that the tickets stay where they are for another try.
QString pdfFailureText(const QString &path, const QString &reason);

// Letter where `locale` measures in US units, A4 everywhere else.
QPageSize localePageSize(const QLocale &locale);

// Test double: keeps the lines of the open document and every page sent.
class RecordingPrinter : public Printer
{
public:
    void printLine(const QString &text) override;
    PrintResult endDoc() override;

    // From now on endDoc() fails with `error` and records no page; an empty text prints again.
    void setFailure(const QString &error);

    const QStringList &lines() const { return m_lines; }
    const QList<QStringList> &pages() const { return m_pages; }
    int endDocCalls() const { return m_endDocCalls; }

private:
    QStringList m_lines;
    QList<QStringList> m_pages;
    QString m_failure;
    int m_endDocCalls = 0;
};

// The page's text keeps at least this far from every paper edge (half an inch), inside what
// every printer can print.
inline constexpr qreal kLeastMarginMm = 12.7;
// Each side's margin in millimetres: kLeastMarginMm, or the device's own minimum where larger.
QMarginsF safeMargins(const QMarginsF &deviceMinimum);

enum class PageDrawing { Done, NotStarted, Failed };
// The page of every device, printer or PDF file: `lines` from the top of the printable area,
// within safeMargins() of the device's minimum margins, in the page font, a new page whenever
// one is full. NotStarted when the device could not be painted on.
PageDrawing drawPage(QPagedPaintDevice &device, const QStringList &lines);

Printer &printer();
// nullptr restores SystemPrinter. The caller keeps ownership.
void setPrinter(Printer *printer);

} // namespace numora
