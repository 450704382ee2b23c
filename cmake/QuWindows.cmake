# Windows-only helpers, included by the top-level list when building with the MinGW toolchain.

set(QU_WINDOWS_RESOURCE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_info.rc.in)

# The build's processor architecture as an application manifest names it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(QU_MANIFEST_ARCHITECTURE amd64)
else()
  set(QU_MANIFEST_ARCHITECTURE x86)
endif()

# Gives an executable its version resource (and optionally an application manifest):
#   qu_windows_resources(<target> VERSION 1.2.3.4 DESCRIPTION <text> [MANIFEST <file>])
function(qu_windows_resources target)
  cmake_parse_arguments(ARG "" "VERSION;DESCRIPTION;MANIFEST" "" ${ARGN})
  string(REPLACE "." "," QU_RC_VERSION_NUMBERS "${ARG_VERSION}")
  set(QU_RC_VERSION "${ARG_VERSION}")
  set(QU_RC_DESCRIPTION "${ARG_DESCRIPTION}")
  get_target_property(QU_RC_FILE_NAME ${target} OUTPUT_NAME)
  if(NOT QU_RC_FILE_NAME)
    set(QU_RC_FILE_NAME ${target})
  endif()
  set(QU_RC_FILE_NAME "${QU_RC_FILE_NAME}.exe")
  if(ARG_MANIFEST)
    # 1 = the manifest the loader reads when the program starts; 24 = RT_MANIFEST.
    set(QU_RC_MANIFEST "1 24 \"${ARG_MANIFEST}\"")
  else()
    set(QU_RC_MANIFEST "")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  configure_file(${QU_WINDOWS_RESOURCE_TEMPLATE} ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  if(ARG_MANIFEST)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ARG_MANIFEST})
  endif()
endfunction()

# GoogleTest built for Windows from the source Debian ships with its googletest package. Its
# headers count as system headers, so our warning flags do not apply to them.
macro(qu_windows_googletest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  get_directory_property(qu_saved_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${qu_saved_options}")
endmacro()
