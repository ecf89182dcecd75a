#pragma once

class QWidget;

namespace numora {

class Forms;

// Registers the help window FrmRtfHlp and the help video window frm649Video.
void registerHelpWindows(Forms &forms);

// The help video window from the video module beside the executable. When the module cannot
// be loaded the player cannot work: says so as the video window does, and gives nullptr.
QWidget *loadVideoWindow();

} // namespace numora
