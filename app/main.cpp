#include "screens/names.h"
#include "screens/screens.h"
#include "screens/services/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numora"));
    numora::registerScreens(numora::forms());
    numora::forms().show(numora::names::MainWindow);
    return app.exec();
}
