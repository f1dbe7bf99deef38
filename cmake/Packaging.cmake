# The release archive: `cmake --build --preset windows --target package` gives
# RegisterWrenfold-<version>-win64.zip, the three programs with the README and
# the example file at its top, as an administrator unpacks it onto a share.
if(NOT WIN32)
  return()
endif()

install(TARGETS RegisterWrenfold CheckWrenfoldPrefs ExportWrenfoldPrefs RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/examples/Wrenfold-Preferences.xml
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME RegisterWrenfold)
set(CPACK_PACKAGE_VENDOR Orlavex)
set(CPACK_PACKAGE_FILE_NAME "RegisterWrenfold-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# What users run carries no symbols; the build tree keeps them for debugging.
set(CPACK_STRIP_FILES ON)
# Only what the install rules above name; test programs install nothing.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
