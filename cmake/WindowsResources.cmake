# Version information and an application manifest for a Windows program, from
# the project's one version number: wf_add_windows_resources(target
# DESCRIPTION "Register Wrenfold" ORIGINAL_FILENAME RegisterWrenfold.exe).

set(WF_RESOURCE_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/resources)
# The year of the build (SOURCE_DATE_EPOCH, when set, makes it reproducible).
string(TIMESTAMP WF_COPYRIGHT_YEAR "%Y" UTC)

# A toolchain whose specs link a default manifest would give the program two
# manifests with the same resource id, which the linker refuses or resolves
# by chance; say so at configure time instead.
if(WIN32)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=default-manifest.o
                  OUTPUT_VARIABLE wf_default_manifest OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(IS_ABSOLUTE "${wf_default_manifest}" AND EXISTS "${wf_default_manifest}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} links ${wf_default_manifest} into every program; "
                        "remove that file (or its package) so the programs carry only their own manifest")
  endif()
endif()

function(wf_add_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESCRIPTION;ORIGINAL_FILENAME" "")
  if(NOT arg_DESCRIPTION OR NOT arg_ORIGINAL_FILENAME)
    message(FATAL_ERROR "wf_add_windows_resources(${target}) needs DESCRIPTION and ORIGINAL_FILENAME")
  endif()
  if(NOT WIN32)
    return()
  endif()

  set(WF_RC_DESCRIPTION "${arg_DESCRIPTION}")
  set(WF_RC_ORIGINAL_FILENAME "${arg_ORIGINAL_FILENAME}")
  get_filename_component(WF_RC_INTERNAL_NAME "${arg_ORIGINAL_FILENAME}" NAME_WLE)
  set(WF_RC_VERSION_COMMAS
      "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(WF_RC_VERSION "${PROJECT_VERSION}")

  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
  set(WF_RC_MANIFEST ${out}/${target}.manifest)
  configure_file(${WF_RESOURCE_TEMPLATES}/Program.manifest.in ${WF_RC_MANIFEST} @ONLY)
  configure_file(${WF_RESOURCE_TEMPLATES}/Program.rc.in ${out}/${target}.rc @ONLY)
  # windres reads the manifest but tells no build tool so.
  set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS ${WF_RC_MANIFEST})
  target_sources(${target} PRIVATE ${out}/${target}.rc)
endfunction()
