#pragma once
#include <string>

namespace platform {

class IProcess {
 public:
  virtual ~IProcess() = default;

  // GetCommandLineA: the command line as received, program path included.
  virtual std::string RawCommandLine() = 0;
  // The running program's own file name, absolute (GetModuleFileNameA).
  virtual std::string ProgramFileName() = 0;
  // True for an existing file; false for a folder or nothing.
  virtual bool FileExists(const std::string& path) = 0;
  // GetFullPathNameA: absolute against the current directory, "." and ".."
  // resolved, doubled separators collapsed; the input on failure.
  virtual std::string FullPathName(const std::string& path) = 0;
};

}  // namespace platform
