# Run at install time: writes SHA256SUMS beside the installed files named in
# WF_RELEASE_NAMES, in the format `sha256sum -c` reads (and PowerShell's
# Get-FileHash gives the same hexadecimal digits).
set(wf_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
list(SORT WF_RELEASE_NAMES)
set(wf_sums "")
foreach(name IN LISTS WF_RELEASE_NAMES)
  if(NOT EXISTS "${wf_root}/${name}")
    message(FATAL_ERROR "SHA256SUMS: ${wf_root}/${name} was not installed")
  endif()
  file(SHA256 "${wf_root}/${name}" wf_sum)
  string(APPEND wf_sums "${wf_sum}  ${name}\n")
endforeach()
file(WRITE "${wf_root}/SHA256SUMS" "${wf_sums}")
message(STATUS "Installing: ${wf_root}/SHA256SUMS")
