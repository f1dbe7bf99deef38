// ExportWrenfoldPrefs: captures the product keys of this user and this
// machine (or of a `reg export` file) as a preferences file that the program
// imports back into the same keys.
#include <iostream>
#include <string>
#include <vector>

#include "check/ExportCommand.h"
#include "platform/Services.h"

#ifdef _WIN32
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32RegistryTree.h"
#include "platform/win32/Win32Services.h"
#else
#include "platform/memory/CodePages.h"
#include "platform/memory/MemoryUserInterface.h"
#endif

int main(int argc, char** argv) {
  TMachineAccess machine;
#ifdef _WIN32
  platform::win32::InstallConsoleServices();
  machine.registry = &platform::win32::RegistryTreeReader();
  machine.codePage = &platform::win32::SystemCodePage();
#else
  // Windows-1252 stands in for the ANSI code page, as in every host run.
  platform::memory::MemoryUserInterface ui;
  platform::CurrentServices().ui = &ui;
  machine.codePage = &platform::memory::ChosenCodePage();
#endif
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return RunExportCommand(arguments, std::cout, std::cerr, machine);
}
