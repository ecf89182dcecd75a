#pragma once

namespace numora {

class Forms;

// Registers the help window FrmRtfHlp and the help video window frm649Video.
void registerHelpWindows(Forms &forms);

} // namespace numora
