# The release archive: `cmake --build --preset windows --target package` gives
# RegisterWrenfold-<version>-win64.zip, the programs with the administrators'
# guide, the example file and their checksums at its top, as an administrator
# unpacks it onto a share.
if(NOT WIN32)
  return()
endif()

# What the archive holds; SHA256SUMS covers each of them.
set(wf_release_programs RegisterWrenfold CheckWrenfoldPrefs ExportWrenfoldPrefs)
set(wf_release_documents ${CMAKE_SOURCE_DIR}/ADMIN.md
                         ${CMAKE_SOURCE_DIR}/examples/Wrenfold-Preferences.xml)

install(TARGETS ${wf_release_programs} RUNTIME DESTINATION .)
install(FILES ${wf_release_documents} DESTINATION .)

set(wf_release_names)
foreach(program IN LISTS wf_release_programs)
  list(APPEND wf_release_names "$<TARGET_FILE_NAME:${program}>")
endforeach()
foreach(document IN LISTS wf_release_documents)
  get_filename_component(name "${document}" NAME)
  list(APPEND wf_release_names "${name}")
endforeach()
# Last, so that it sums the programs as stripped.
install(CODE "set(WF_RELEASE_NAMES \"${wf_release_names}\")
include(\"${CMAKE_CURRENT_LIST_DIR}/ReleaseChecksums.cmake\")")

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
