#include "screens/services/printer.h"

#include "language/language.h"
#include "screens/services/printerdevice.h"
#include "screens/services/service.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <algorithm>

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

} // namespace

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
    const PrintDevice *device = printDevice();
    if (!device)
        return {false, printFailureText(PrintFailure::PrinterError)};
    return send(*device, lines);
}

PrintResult SystemPrinter::send(const PrintDevice &device, const QStringList &lines)
{
    return device.printToDefault(lines, m_lookup);
}

PdfPrinter::PdfPrinter(const QString &path)
    : m_path(path)
{
}

PrintResult PdfPrinter::send(const PrintDevice &device, const QStringList &lines)
{
    return device.printToPdf(lines, m_path);
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
