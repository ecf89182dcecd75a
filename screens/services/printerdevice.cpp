#include "screens/services/printerdevice.h"

#include "screens/services/messages.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace numora {

PrintResult printLines(QPrinter &printer, const QStringList &lines)
{
    if (!printer.isValid())
        return {false, printFailureText(PrintFailure::PrinterUnusable, printer.printerName())};
    printer.setDocName(kAppTitle);
    printer.setFullPage(false);
    switch (drawPage(printer, lines)) {
    case PageDrawing::NotStarted:
        return {false, printFailureText(PrintFailure::NotSent, printer.outputFileName().isEmpty()
                                                                   ? printer.printerName()
                                                                   : printer.outputFileName())};
    case PageDrawing::Failed:
        return {false, printFailureText(PrintFailure::PrinterError)};
    case PageDrawing::Done:
        break;
    }
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
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

constexpr PrintDevice kDevice{&printToDefault};

[[maybe_unused]] const bool kRegistered = (registerPrintDevice(&kDevice), true);

} // namespace

} // namespace numora
