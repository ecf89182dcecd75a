#include "screens/services/program.h"

#include "screens/services/service.h"

#include "screens/services/forms.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace numora {

namespace {

Service<Program, AppProgram> g_program;
// Set by end() until the main event loop has really returned.
bool g_exitPending = false;

// Exits whatever loop delivers it, and stays queued for the next one until the main loop has
// returned: a loop started later (the main loop, after a box shown before it) would otherwise
// forget an exit() that came before it.
void postExit()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            if (!g_exitPending)
                return;
            QCoreApplication::exit(0);
            postExit();
        },
        Qt::QueuedConnection);
}

} // namespace

void AppProgram::end()
{
    forms().unloadAll();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (!g_exitPending) {
        g_exitPending = true;
        QObject::connect(app, &QCoreApplication::aboutToQuit, app,
                         [] { g_exitPending = false; }, Qt::SingleShotConnection);
        postExit();
    }
    QCoreApplication::exit(0);
}

Program &program()
{
    return g_program.get();
}

void setProgram(Program *program)
{
    g_program.install(program);
}

} // namespace numora
