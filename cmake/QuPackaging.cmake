# The release archive, made by CPack (scripts/package.sh): one folder with the shipped programs,
# the language file and, on Linux, what a desktop needs to list the program and the systemd
# units that run the stored selection on a schedule. The stand-in utility is a test and demo aid
# and is never in it.
#   QuintarisUpdater-<file version>-linux-x86_64.tar.gz, QuintarisUpdater-<file version>-windows-x86.zip

# Every program an administrator gets; a new one is added to this list.
set(QU_SHIPPED_PROGRAMS QuintarisUpdater quintaris-updater-run)

# Packing builds only what it ships (the target qu-shipped), not the tests and benchmarks.
add_custom_target(qu-shipped)
add_dependencies(qu-shipped ${QU_SHIPPED_PROGRAMS})
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS ${QU_SHIPPED_PROGRAMS} RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/quintarisupdater.loc DESTINATION .)
if(NOT WIN32)
  set(packaging ${PROJECT_SOURCE_DIR}/packaging)
  install(FILES ${packaging}/quintarisupdater.desktop ${packaging}/quintarisupdater.png
    ${packaging}/quintaris-updater-run.service ${packaging}/quintaris-updater-run.timer
    DESTINATION .)
  install(FILES ${packaging}/README.linux.md DESTINATION . RENAME README.md)
endif()

if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(qu_package_system windows-x64)
elseif(WIN32)
  set(qu_package_system windows-x86)
else()
  set(qu_package_system linux-${CMAKE_SYSTEM_PROCESSOR})
endif()

set(CPACK_PACKAGE_NAME QuintarisUpdater)
set(CPACK_PACKAGE_VENDOR Quintaris)
set(CPACK_PACKAGE_VERSION ${QU_FILE_VERSION})
set(CPACK_PACKAGE_FILE_NAME QuintarisUpdater-${QU_FILE_VERSION}-${qu_package_system})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
