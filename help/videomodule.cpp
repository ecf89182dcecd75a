// The entry point of the video module: the program calls it when the help video window is
// first referenced.
#include "help/videowindow.h"

extern "C" Q_DECL_EXPORT QWidget *numoraCreateVideoWindow()
{
    return new numora::VideoWindow;
}
