# The help window and the help video window.
list(APPEND numora_help_sources
  helpwindow.cpp helpwindow.h
  helpwindows.cpp helpwindows.h
  videoplayer.cpp videoplayer.h
  videowindow.cpp videowindow.h)

# The English guide is also compiled into the program: the help window shows it every time it
# opens. The target exists only once help/CMakeLists.txt has made it, hence the deferred call.
set(numora_stored_guide "${PROJECT_SOURCE_DIR}/assets/docs/Numora User Guide.rtf")
set_source_files_properties("${numora_stored_guide}"
  PROPERTIES QT_RESOURCE_ALIAS "Numora User Guide.rtf")
cmake_language(DEFER CALL qt_add_resources numora_help "storedguide"
  PREFIX "/help" FILES "${numora_stored_guide}")
