#include "screens/services/printer.h"

#include "screens/services/service.h"

#include "screens/services/fonts.h"
#include "screens/services/messages.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace numora {

namespace {

Service<Printer, SystemPrinter> g_printer;

QString noPrinterText()
{
    return QStringLiteral("No default printer is set up on this computer.");
}

} // namespace

QMarginsF safeMargins(const QMarginsF &deviceMinimum)
{
    auto side = [](qreal minimum) { return std::max(kLeastMarginMm, minimum); };
    return {side(deviceMinimum.left()), side(deviceMinimum.top()), side(deviceMinimum.right()),
            side(deviceMinimum.bottom())};
}

PrintResult printLines(QPrinter &printer, const QStringList &lines)
{
    if (!printer.isValid())
        return {false, QStringLiteral("The printer \"%1\" cannot be used.").arg(printer.printerName())};
    printer.setDocName(kAppTitle);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    printer.setFullPage(false);
    printer.setPageMargins(safeMargins(layout.minimumMargins()), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                  : printer.outputFileName();
        return {false, QStringLiteral("The page could not be sent to \"%1\". Nothing was printed.")
                           .arg(target)};
    }
    painter.setFont(designFont(12));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = 0;
    for (const QString &line : lines) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!printer.newPage())
                break;
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return {false, QStringLiteral("The printer reported an error. The page may not have been printed.")};
    return {};
}

SystemPrinter::SystemPrinter()
    : SystemPrinter(&QPrinterInfo::defaultPrinter)
{
}

SystemPrinter::SystemPrinter(Lookup lookup)
    : m_lookup(std::move(lookup))
{
}

void SystemPrinter::printLine(const QString &text)
{
    m_lines.append(text);
}

PrintResult SystemPrinter::endDoc()
{
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty())
        return {};
    const QPrinterInfo info = m_lookup ? m_lookup() : QPrinterInfo();
    if (info.isNull())
        return {false, noPrinterText()};
    if (info.state() == QPrinter::Error)
        return {false, QStringLiteral("The printer \"%1\" is stopped or reports an error. "
                                      "Nothing was printed.")
                           .arg(info.description().isEmpty() ? info.printerName()
                                                             : info.description())};
    QPrinter device(info, QPrinter::HighResolution);
    return printLines(device, lines);
}

PdfPrinter::PdfPrinter(const QString &path)
    : m_path(path)
{
}

void PdfPrinter::printLine(const QString &text)
{
    m_lines.append(text);
}

PrintResult PdfPrinter::endDoc()
{
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty())
        return {};
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(m_path);
    return printLines(device, lines);
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

Printer &printer()
{
    return g_printer.get();
}

void setPrinter(Printer *printer)
{
    g_printer.install(printer);
}

} // namespace numora
