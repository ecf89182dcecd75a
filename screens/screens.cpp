#include "screens/screens.h"

#include "language/language.h"
#include "screens/displaywindow.h"
#include "screens/entryscreen.h"
#include "screens/mainwindow.h"
#include "screens/services/names.h"
#include "screens/oddswindow.h"
#include "screens/selectionscreen.h"
#include "screens/services/forms.h"
#include "screens/settingswindow.h"

namespace numora {

void registerScreens(Forms &forms)
{
    // The main window's captions follow the interface language.
    setLanguageFollower([&forms](std::uint8_t language) {
        if (auto *main = forms.form<MainWindow>(names::MainWindow))
            main->setCaptions(language);
    });
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
