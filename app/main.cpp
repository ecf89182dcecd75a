#include "screens/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    numora::MainWindow mainWindow;
    mainWindow.show();
    return app.exec();
}
