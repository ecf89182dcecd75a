#include "help/helpwindows.h"
#include "help/infowindows.h"
#include "screens/services/names.h"
#include "screens/screens.h"
#include "screens/services/forms.h"
#include "screens/services/memory.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    numora::keepLargeBlocksApart();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numora"));
    numora::Forms &forms = numora::forms();
    numora::registerScreens(forms);
    numora::registerHelpWindows(forms);
    numora::registerInfoWindows(forms);
    forms.show(numora::names::Splash);
    return app.exec();
}
