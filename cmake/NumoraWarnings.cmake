# The project's own code builds with these warnings on, kept at zero; NUMORA_WERROR (set by
# CI) makes any of them an error. Qt's headers come in as system headers, and the code moc
# generates is built without warnings: it is not ours to mend.
option(NUMORA_WERROR "Treat compiler warnings as errors" OFF)
set(NUMORA_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
if(NUMORA_WERROR)
  list(APPEND NUMORA_WARNINGS -Werror)
endif()
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${NUMORA_WARNINGS}>")

# Turns warnings off for the moc output of every target below `dir`.
function(numora_quiet_moc dir)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(automoc ${target} AUTOMOC)
    get_target_property(type ${target} TYPE)
    if(automoc AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(binary_dir ${target} BINARY_DIR)
      set_source_files_properties("${binary_dir}/${target}_autogen/mocs_compilation.cpp"
        TARGET_DIRECTORY ${target} PROPERTIES COMPILE_OPTIONS "-w")
    endif()
  endforeach()
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    numora_quiet_moc("${subdir}")
  endforeach()
endfunction()
