#include <windows.h>

#include <vector>

#include "platform/Process.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

class Win32Process final : public IProcess {
 public:
  std::string RawCommandLine() override { return GetCommandLineA(); }

  std::string ProgramFileName() override {
    std::vector<char> buffer(MAX_PATH);
    while (true) {
      const DWORD length =
          GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (length == 0) return {};
      if (length < buffer.size()) return std::string(buffer.data(), length);
      buffer.resize(buffer.size() * 2);
    }
  }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  std::string FullPathName(const std::string& path) override {
    std::vector<char> buffer(MAX_PATH);
    while (true) {
      const DWORD length =
          GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
      if (length == 0) return path;
      if (length < buffer.size()) return std::string(buffer.data(), length);
      buffer.resize(length + 1);
    }
  }
};

}  // namespace

IProcess& Process() {
  static Win32Process process;
  return process;
}

}  // namespace platform::win32
