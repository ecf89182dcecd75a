#include "help/helpwindows.h"

#include "help/helpwindow.h"
#include "help/videowindow.h"
#include "screens/services/names.h"
#include "screens/services/forms.h"
#include "screens/services/messages.h"
#include "screens/services/programfolder.h"

#include <QLibrary>

namespace numora {

void registerHelpWindows(Forms &forms)
{
    forms.registerForm(names::Help, [] { return new HelpWindow; });
    forms.registerForm(names::Video, &loadVideoWindow);
}

QWidget *loadVideoWindow()
{
    static QLibrary module;
    if (!module.isLoaded()) {
        module.setFileName(programFile(QStringLiteral("numora-video")));
        module.load();
    }
    using Create = QWidget *(*)();
    if (const auto create = reinterpret_cast<Create>(module.resolve("numoraCreateVideoWindow")))
        return create();
    qWarning("numora: the video module could not be loaded: %s", qPrintable(module.errorString()));
    messages().show(VideoWindow::kFailureText, MsgButtons::Ok, {},
                    MsgIcon::Critical);
    return nullptr;
}

} // namespace numora
