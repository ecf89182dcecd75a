#include "screens/screens.h"

#include "screens/displaywindow.h"
#include "screens/entryscreen.h"
#include "screens/mainwindow.h"
#include "screens/names.h"
#include "screens/oddswindow.h"
#include "screens/selectionscreen.h"
#include "screens/services/forms.h"
#include "screens/settingswindow.h"

namespace numora {

void registerScreens(Forms &forms)
{
    forms.registerForm(names::MainWindow, [] { return new MainWindow; });
    forms.registerForm(names::Odds, [] { return new OddsWindow; });
    forms.registerForm(names::LottSet, [] { return new SettingsWindow; });
    for (engine::LottKind kind : engine::kAllKinds) {
        forms.registerForm(EntryScreen::nameOf(kind), [kind] { return new EntryScreen(kind); });
        forms.registerForm(SelectionScreen::nameOf(kind), [kind] { return new SelectionScreen(kind); });
        forms.registerForm(DisplayWindow::nameOf(kind), [kind] { return new DisplayWindow(kind); });
    }
}

} // namespace numora
