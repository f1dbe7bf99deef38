// CheckWrenfoldPrefs: what a preferences file makes the program write, and
// what the program's import passes over in silence.  The Windows build reads
// files with MSXML as the program does; the host build with libxml2.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "check/CheckCommand.h"
#include "platform/Services.h"

#ifdef _WIN32
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32RegistryTree.h"
#include "platform/win32/Win32Services.h"
#else
#include <filesystem>

#include "platform/Process.h"
#include "platform/libxml2/LibXmlDom.h"
#include "platform/memory/CodePages.h"
#include "platform/memory/MemoryUserInterface.h"
#endif

namespace {

#ifndef _WIN32
// The host build checks files of this machine: only file existence is
// asked of the process.
class HostProcess final : public platform::IProcess {
 public:
  std::string RawCommandLine() override { return {}; }
  std::string ProgramFileName() override { return {}; }
  bool FileExists(const std::string& path) override {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
  }
  std::string FullPathName(const std::string& path) override { return path; }
};
#endif

// Boxes must reach the checker's report, not an unattended log that the
// environment happens to name.
void ForgetUnattendedLog() {
#ifdef _WIN32
  _putenv_s("WRENFOLD_UNATTENDED_LOG", "");
#else
  unsetenv("WRENFOLD_UNATTENDED_LOG");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  ForgetUnattendedLog();
  TMachineAccess machine;
#ifdef _WIN32
  platform::win32::InstallConsoleServices();
  machine.registry = &platform::win32::RegistryTreeReader();
  machine.codePage = &platform::win32::SystemCodePage();
#else
  HostProcess process;
  // Windows-1252 stands in for the ANSI code page, as in every host run.
  platform::memory::MemoryUserInterface ui;
  platform::Services& services = platform::CurrentServices();
  services.process = &process;
  services.ui = &ui;
  services.xml = &platform::libxml2::LibXmlParser();
  machine.codePage = &platform::memory::ChosenCodePage();
#endif
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return RunCheckCommand(arguments, std::cout, std::cerr, machine);
}
