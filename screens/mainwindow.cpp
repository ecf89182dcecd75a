#include "screens/mainwindow.h"

namespace numora {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm649sw_1"));
    setWindowTitle(QStringLiteral("Corvane Numora 1.6"));
    setFixedSize(4920 / 15, 4980 / 15);
}

} // namespace numora
