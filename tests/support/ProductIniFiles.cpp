#ifdef _WIN32
#include "support/ProductIniFiles.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

namespace testsupport {

namespace fs = std::filesystem;

std::string AppDataFolder(const char* folderVariable) {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableA(folderVariable, buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ProductIniFolder(const char* folderVariable) {
  return AppDataFolder(folderVariable) + "\\Orlavex\\Wrenfold 4\\";
}

std::string ProductIniFile(const char* folderVariable) {
  return ProductIniFolder(folderVariable) + "Wrenfold.ini";
}

std::string IniBesideProgram() {
  char program[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  return fs::path(program).parent_path().string() + "\\Wrenfold.ini";
}

void RemoveProductIniFiles() {
  std::error_code ignored;
  for (const char* variable : {"APPDATA", "LOCALAPPDATA", "ProgramData"}) {
    const std::string base = AppDataFolder(variable);
    if (base.empty()) continue;
    fs::remove_all(base + "\\Orlavex\\Wrenfold 4", ignored);
    fs::remove(base + "\\Orlavex", ignored);  // only when empty (or a file)
  }
  fs::remove(IniBesideProgram(), ignored);
}

}  // namespace testsupport
#endif
