// The floor for start-up and memory: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Numora"));
    window.resize(328, 332);
    window.show();
    return app.exec();
}
