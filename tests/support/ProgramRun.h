#pragma once
// End-to-end helpers (Windows build only): run the real RegisterWrenfold.exe
// in the Wine prefix and look at what it left in the registry.
#ifdef _WIN32
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

struct ProgramResult {
  DWORD exitCode = 0;
  // One JSON object per message box the program raised (unattended mode).
  std::vector<std::string> boxes;
  // The log's last line when it is the run's outcome record; empty otherwise.
  std::string outcome;
};

// Runs the program with `arguments` after its quoted path, in unattended mode,
// from `workingDirectory` when given; fails the test on a hang (60 s).
ProgramResult RunWrenfold(const std::string& arguments, const std::string& workingDirectory = "");

// Runs the program unattended with `log` as its log, and fails the test when
// it has not ended after `timeoutMs`; the exit code (~0u when it did not
// start or end), and in `elapsedMs` how long it ran.
DWORD RunWrenfoldLoggingTo(const std::string& log, const std::string& arguments,
                           DWORD timeoutMs = 60000, DWORD* elapsedMs = nullptr,
                           const std::string& workingDirectory = "");

// A log's lines without their line ends; empty lines are left out.
std::vector<std::string> LogLines(const std::string& path);

// The temporary folder, with its trailing backslash.
std::string TempFolder();

// A console program's run: its exit code and what it wrote to its standard
// output and error.
struct ConsoleRun {
  DWORD exitCode = ~0u;
  std::string out;
  std::string err;
};

// Runs one of the build's programs (a file name beside RegisterWrenfold.exe)
// with `arguments` after its quoted path; fails the test on a hang (60 s).
ConsoleRun RunConsoleProgram(const std::string& programFileName, const std::string& arguments);

// Runs any command line and returns its exit code (~0u when it cannot start).
DWORD RunCommand(const std::string& commandLine, DWORD timeoutMs = 60000);

// The test's own scratch folder below %TEMP%, created empty.
std::string ScratchFolder(const std::string& name);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

bool KeyExists(HKEY root, const std::string& path);
void DeleteKeyTree(HKEY root, const std::string& path);

// `reg export` of a key as UTF-8 text; empty when the key does not exist.
std::string RegExport(const std::string& rootAndPath);

constexpr const char* kProductKey = "Software\\Orlavex\\Wrenfold 4";

}  // namespace testsupport
#endif
