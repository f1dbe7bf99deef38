#pragma once
#include <set>
#include <string>

#include "platform/Process.h"

namespace platform::fake {

// A process with a settable command line, program path and set of files.
// Paths are Windows paths; FullPathName resolves against currentDirectory.
class FakeProcess final : public IProcess {
 public:
  std::string commandLine = "\"C:\\Program Files\\Wrenfold\\RegisterWrenfold.exe\"";
  std::string programFileName = "C:\\Program Files\\Wrenfold\\RegisterWrenfold.exe";
  std::string currentDirectory = "C:\\Work";
  std::set<std::string> files;  // compared without regard to letter case

  std::string RawCommandLine() override { return commandLine; }
  std::string ProgramFileName() override { return programFileName; }
  bool FileExists(const std::string& path) override;
  std::string FullPathName(const std::string& path) override;
};

}  // namespace platform::fake
