#include "screens/screens.h"

#include "screens/displaywindow.h"
#include "screens/mainwindow.h"
#include "screens/names.h"
#include "screens/selectionscreen.h"
#include "screens/services/forms.h"

namespace numora {

void registerScreens(Forms &forms)
{
    forms.registerForm(names::MainWindow, [] { return new MainWindow; });
    for (engine::LottKind kind : engine::kAllKinds) {
        forms.registerForm(SelectionScreen::nameOf(kind), [kind] { return new SelectionScreen(kind); });
        forms.registerForm(DisplayWindow::nameOf(kind), [kind] { return new DisplayWindow(kind); });
    }
}

} // namespace numora
