#include "help/helpwindows.h"

#include "help/helpwindow.h"
#include "help/videowindow.h"
#include "screens/names.h"
#include "screens/services/forms.h"

namespace numora {

void registerHelpWindows(Forms &forms)
{
    forms.registerForm(names::Help, [] { return new HelpWindow; });
    forms.registerForm(names::Video, [] { return new VideoWindow; });
}

} // namespace numora
