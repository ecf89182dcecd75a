#pragma once

namespace numora {

class Forms;

// Registers the main window and the lottery windows under their names.
void registerScreens(Forms &forms);

} // namespace numora
