#include "help/platform.h"

namespace numora {

QList<SysInfoProgram> desktopSysInfoPrograms()
{
    // As each desktop's own entry starts it on Debian 12; GNOME's "About" page is where its
    // Settings show the device, the processor, the memory and the system.
    return {
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")},
         {QStringLiteral("GNOME"), QStringLiteral("Unity")}},
        {QStringLiteral("kinfocenter"), {}, {QStringLiteral("KDE")}},
        {QStringLiteral("xfce4-about"), {}, {QStringLiteral("XFCE")}},
        {QStringLiteral("mate-system-monitor"), {QStringLiteral("--show-system-tab")},
         {QStringLiteral("MATE")}},
        {QStringLiteral("hardinfo"), {}, {}},
    };
}

} // namespace numora
