#include "screens/services/printer.h"

#include "language/language.h"
#include "screens/services/fonts.h"
#include "screens/services/messages.h"
#include "screens/services/printerdevice.h"
#include "screens/services/service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLibrary>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace numora {

namespace {

Service<Printer, SystemPrinter> g_printer;
const PrintDevice *g_device = nullptr;

// The print module beside the executable registers the device as it loads. A program that
// links the device in (the tests) has it registered before main() and never loads the module.
const PrintDevice *printDevice()
{
    static QLibrary module;
    if (!g_device && !module.isLoaded()) {
        module.setFileName(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("numora-print")));
        if (!module.load())
            qWarning("numora: the print module could not be loaded: %s",
                     qPrintable(module.errorString()));
    }
    return g_device;
}

// The reasons by language, in the order of PrintFailure.
constexpr const char *kFailureTexts[5][5] = {
    {"No default printer is set up on this computer.",
     "The printer \"%1\" cannot be used.",
     "The page could not be sent to \"%1\". Nothing was printed.",
     "The printer reported an error. The page may not have been printed.",
     "The printer \"%1\" is stopped or reports an error. Nothing was printed."},
    {"Aucune imprimante par défaut n’est configurée sur cet ordinateur.",
     "L’imprimante « %1 » ne peut pas être utilisée.",
     "La page n’a pas pu être envoyée à « %1 ». Rien n’a été imprimé.",
     "L’imprimante a signalé une erreur. Il se peut que la page n’ait pas été imprimée.",
     "L’imprimante « %1 » est arrêtée ou signale une erreur. Rien n’a été imprimé."},
    {"Auf diesem Computer ist kein Standarddrucker eingerichtet.",
     "Der Drucker „%1“ kann nicht verwendet werden.",
     "Die Seite konnte nicht an „%1“ gesendet werden. Es wurde nichts gedruckt.",
     "Der Drucker hat einen Fehler gemeldet. Die Seite wurde möglicherweise nicht gedruckt.",
     "Der Drucker „%1“ ist angehalten oder meldet einen Fehler. Es wurde nichts gedruckt."},
    {"Su questo computer non è configurata alcuna stampante predefinita.",
     "Impossibile usare la stampante «%1».",
     "Impossibile inviare la pagina a «%1». Non è stato stampato nulla.",
     "La stampante ha segnalato un errore. La pagina potrebbe non essere stata stampata.",
     "La stampante «%1» è ferma o segnala un errore. Non è stato stampato nulla."},
    {"No hay ninguna impresora predeterminada configurada en este equipo.",
     "No se puede usar la impresora «%1».",
     "No se pudo enviar la página a «%1». No se ha impreso nada.",
     "La impresora ha informado de un error. Es posible que la página no se haya impreso.",
     "La impresora «%1» está detenida o informa de un error. No se ha impreso nada."},
};

// Why a PDF file was not saved, by language: %1 the path, %2 the system's reason.
constexpr const char *kPdfFailureTexts[5] = {
    "The PDF file \"%1\" could not be saved: %2\n\nYour tickets are still in the window. "
    "Choose another folder or name and try again.",
    "Le fichier PDF « %1 » n’a pas pu être enregistré : %2\n\nVos grilles sont toujours dans "
    "la fenêtre. Choisissez un autre dossier ou un autre nom et réessayez.",
    "Die PDF-Datei „%1“ konnte nicht gespeichert werden: %2\n\nIhre Tippreihen sind weiterhin "
    "im Fenster. Wählen Sie einen anderen Ordner oder Namen und versuchen Sie es erneut.",
    "Impossibile salvare il file PDF «%1»: %2\n\nLe combinazioni sono ancora nella finestra. "
    "Scegliere un’altra cartella o un altro nome e riprovare.",
    "No se pudo guardar el archivo PDF «%1»: %2\n\nSus combinaciones siguen en la ventana. "
    "Elija otra carpeta u otro nombre e inténtelo de nuevo.",
};

// The reasons the program finds itself by language: a folder of that name, a read-only file.
constexpr const char *kPdfReasons[5][2] = {
    {"A folder has this name", "The file is read-only"},
    {"Un dossier porte ce nom", "Le fichier est en lecture seule"},
    {"Ein Ordner trägt diesen Namen", "Die Datei ist schreibgeschützt"},
    {"Una cartella ha questo nome", "Il file è di sola lettura"},
    {"Una carpeta tiene este nombre", "El archivo es de solo lectura"},
};

} // namespace

QString pdfFailureText(const QString &path, const QString &reason)
{
    const int row = std::max(0, languageRow(LangCode()));
    return QString::fromUtf8(kPdfFailureTexts[row]).arg(QDir::toNativeSeparators(path), reason);
}

QPageSize localePageSize(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

PageDrawing drawPage(QPagedPaintDevice &device, const QStringList &lines)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    device.setPageMargins(safeMargins(layout.minimumMargins()), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&device))
        return PageDrawing::NotStarted;
    painter.setFont(designFont(12));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    bool complete = true;
    int y = 0;
    for (const QString &line : lines) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!device.newPage()) {
                complete = false;
                break;
            }
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    const bool ended = painter.end();
    return ended && complete ? PageDrawing::Done : PageDrawing::Failed;
}

QString printFailureText(PrintFailure reason, const QString &printer)
{
    // Messages of the program's own take English before a language is chosen.
    const int row = std::max(0, languageRow(LangCode()));
    const QString text = QString::fromUtf8(kFailureTexts[row][static_cast<int>(reason)]);
    return text.contains(QLatin1String("%1")) ? text.arg(printer) : text;
}

QMarginsF safeMargins(const QMarginsF &deviceMinimum)
{
    auto side = [](qreal minimum) { return std::max(kLeastMarginMm, minimum); };
    return {side(deviceMinimum.left()), side(deviceMinimum.top()), side(deviceMinimum.right()),
            side(deviceMinimum.bottom())};
}

SystemPrinter::SystemPrinter() = default;

SystemPrinter::SystemPrinter(Lookup lookup)
    : m_lookup(std::move(lookup))
{
}

void DevicePrinter::printLine(const QString &text)
{
    m_lines.append(text);
}

PrintResult DevicePrinter::endDoc()
{
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty())
        return {};
    return send(lines);
}

PrintResult SystemPrinter::send(const QStringList &lines)
{
    const PrintDevice *device = printDevice();
    if (!device)
        return {false, printFailureText(PrintFailure::PrinterError)};
    return device->printToDefault(lines, m_lookup);
}

PdfPrinter::PdfPrinter(const QString &path, const QLocale &locale)
    : m_path(path)
    , m_locale(locale)
{
}

PrintResult PdfPrinter::send(const QStringList &lines)
{
    const QFileInfo info(m_path);
    const QString path = info.absoluteFilePath();
    const auto &reasons = kPdfReasons[std::max(0, languageRow(LangCode()))];
    if (info.isDir())
        return {false, pdfFailureText(path, QString::fromUtf8(reasons[0]))};
    // The new file takes the old one's place by a rename, which the folder alone permits, so a
    // file the user may not write is refused here.
    if (info.exists() && !info.isWritable())
        return {false, pdfFailureText(path, QString::fromUtf8(reasons[1]))};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, pdfFailureText(path, file.errorString())};
    {
        QPdfWriter writer(&file);
        writer.setTitle(kAppTitle);
        writer.setCreator(kAppTitle);
        writer.setPageSize(localePageSize(m_locale));
        if (drawPage(writer, lines) != PageDrawing::Done) {
            file.cancelWriting();
            return {false, pdfFailureText(path, file.errorString())};
        }
    }
    // commit() renames the file into place even when its last writes failed (a full disk), so
    // they are made and checked first.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, pdfFailureText(path, reason)};
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return {false, pdfFailureText(path, reason)};
    }
#endif
    if (!file.commit())
        return {false, pdfFailureText(path, file.errorString())};
    return {};
}

void RecordingPrinter::printLine(const QString &text)
{
    m_lines.append(text);
}

PrintResult RecordingPrinter::endDoc()
{
    ++m_endDocCalls;
    const QStringList lines = std::exchange(m_lines, {});
    if (!m_failure.isEmpty())
        return {false, m_failure};
    if (!lines.isEmpty())
        m_pages.append(lines);
    return {};
}

void RecordingPrinter::setFailure(const QString &error)
{
    m_failure = error;
}

void registerPrintDevice(const PrintDevice *device)
{
    g_device = device;
}

Printer &printer()
{
    return g_printer.get();
}

void setPrinter(Printer *printer)
{
    g_printer.install(printer);
}

} // namespace numora
