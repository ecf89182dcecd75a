# The About box, the licence agreement viewer, the splash screen and the platform lookups.
list(APPEND numora_help_sources
  about.cpp about.h
  infowindows.cpp infowindows.h
  licenceviewer.cpp licenceviewer.h
  platform.cpp platform.h
  platform_unix.cpp
  platform_win.cpp
  splash.cpp splash.h
)
