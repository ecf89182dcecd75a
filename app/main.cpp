#include "app/commandline.h"
#include "help/helpwindows.h"
#include "help/infowindows.h"
#include "screens/services/names.h"
#include "screens/screens.h"
#include "screens/services/forms.h"
#include "screens/services/memory.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    numora::keepLargeBlocksApart();
    if (const auto exitCode = numora::readCommandLine(argc, argv))
        return *exitCode;
    std::optional<numora::DisplayFailureGuard> displayGuard(std::in_place);
    QApplication app(argc, argv);
    displayGuard.reset();
    QApplication::setApplicationName(QStringLiteral("Numora"));
    numora::Forms &forms = numora::forms();
    numora::registerScreens(forms);
    numora::registerHelpWindows(forms);
    numora::registerInfoWindows(forms);
    forms.show(numora::names::Splash);
    return app.exec();
}
