#include "screens/services/printerdevice.h"

#include "screens/services/fonts.h"
#include "screens/services/messages.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace numora {

PrintResult printLines(QPrinter &printer, const QStringList &lines)
{
    if (!printer.isValid())
        return {false, printFailureText(PrintFailure::PrinterUnusable, printer.printerName())};
    printer.setDocName(kAppTitle);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    printer.setFullPage(false);
    printer.setPageMargins(safeMargins(layout.minimumMargins()), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                  : printer.outputFileName();
        return {false, printFailureText(PrintFailure::NotSent, target)};
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
        return {false, printFailureText(PrintFailure::PrinterError)};
    return {};
}

namespace {

PrintResult printToDefault(const QStringList &lines, const SystemPrinter::Lookup &lookup)
{
    const QPrinterInfo info = lookup ? lookup() : QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, printFailureText(PrintFailure::NoPrinter)};
    if (info.state() == QPrinter::Error)
        return {false, printFailureText(PrintFailure::PrinterStopped,
                                        info.description().isEmpty() ? info.printerName()
                                                                     : info.description())};
    QPrinter device(info, QPrinter::HighResolution);
    return printLines(device, lines);
}

PrintResult printToPdf(const QStringList &lines, const QString &path)
{
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    return printLines(device, lines);
}

constexpr PrintDevice kDevice{&printToDefault, &printToPdf};

[[maybe_unused]] const bool kRegistered = (registerPrintDevice(&kDevice), true);

} // namespace

} // namespace numora
