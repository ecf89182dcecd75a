#pragma once

#include "screens/services/printer.h"

class QPrinter;

namespace numora {

// The drawing of pages on the print system's devices. It lives in the print module beside the
// program, which is loaded when the first page is sent, so that a run without printing never
// loads the print system; the module registers it as it loads.
struct PrintDevice
{
    // The default printer, or the one `lookup` names where it is set.
    PrintResult (*printToDefault)(const QStringList &lines, const SystemPrinter::Lookup &lookup);
};

void registerPrintDevice(const PrintDevice *device);

// Draws `lines` on `printer` with drawPage() and tells how the printer took them.
PrintResult printLines(QPrinter &printer, const QStringList &lines);

} // namespace numora
