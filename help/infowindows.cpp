#include "help/infowindows.h"

#include "help/about.h"
#include "help/licenceviewer.h"
#include "help/splash.h"
#include "screens/services/names.h"
#include "screens/services/forms.h"

namespace numora {

void registerInfoWindows(Forms &forms)
{
    forms.registerForm(names::About, [] { return new About; });
    forms.registerForm(names::Licence, [] { return new LicenceViewer; });
    forms.registerForm(names::Splash, [] { return new Splash; });
}

} // namespace numora
