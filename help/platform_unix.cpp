#include "help/platform.h"

namespace numora {

QList<SysInfoProgram> desktopSysInfoPrograms()
{
    // The commands as Debian 12 installs them. GNOME's Settings show the device, processor,
    // memory and system on their About page; MATE's System Monitor on its System tab.
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
