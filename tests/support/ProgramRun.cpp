#ifdef _WIN32
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace testsupport {

namespace {

struct HandleCloser {
  HANDLE handle;
  ~HandleCloser() {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

}  // namespace

std::string TempFolder() {
  char buffer[MAX_PATH + 1];
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  return std::string(buffer, length);
}

std::vector<std::string> LogLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFile(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

DWORD RunCommand(const std::string& commandLine, DWORD timeoutMs) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return ~0u;
  }
  HandleCloser process{info.hProcess};
  HandleCloser thread{info.hThread};
  if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
    ADD_FAILURE() << "timed out: " << commandLine;
    return ~0u;
  }
  DWORD exitCode = ~0u;
  GetExitCodeProcess(info.hProcess, &exitCode);
  return exitCode;
}

DWORD RunWrenfoldLoggingTo(const std::string& log, const std::string& arguments, DWORD timeoutMs,
                           DWORD* elapsedMs, const std::string& workingDirectory) {
  SetEnvironmentVariableA("WRENFOLD_UNATTENDED_LOG", log.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = std::string("\"") + WF_PROGRAM_PATH + "\" " + arguments;
  const ULONGLONG start = GetTickCount64();
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                                      &startup, &info);
  SetEnvironmentVariableA("WRENFOLD_UNATTENDED_LOG", nullptr);
  if (!started) {
    ADD_FAILURE() << "cannot start " << line << ": error " << GetLastError();
    return ~0u;
  }
  HandleCloser process{info.hProcess};
  HandleCloser thread{info.hThread};
  DWORD exitCode = ~0u;
  if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
    ADD_FAILURE() << "RegisterWrenfold.exe did not end within " << timeoutMs
                  << " ms: " << arguments;
  } else {
    GetExitCodeProcess(info.hProcess, &exitCode);
  }
  if (elapsedMs != nullptr) *elapsedMs = static_cast<DWORD>(GetTickCount64() - start);
  return exitCode;
}

ProgramResult RunWrenfold(const std::string& arguments, const std::string& workingDirectory) {
  // A log of its own per run: under load Wine may not yet have let go of the
  // last run's file when the scratch folder is emptied, and its lines would
  // count as this run's.
  static unsigned runs = 0;
  const std::string log =
      ScratchFolder("unattended") + "boxes-" + std::to_string(++runs) + ".jsonl";
  ProgramResult result;
  result.exitCode = RunWrenfoldLoggingTo(log, arguments, 60000, nullptr, workingDirectory);
  result.boxes = LogLines(log);
  if (!result.boxes.empty() && result.boxes.back().rfind("{\"outcome\":", 0) == 0) {
    result.outcome = result.boxes.back();
    result.boxes.pop_back();
  }
  return result;
}

ConsoleRun RunConsoleProgram(const std::string& programFileName, const std::string& arguments) {
  const std::string folder = ScratchFolder("console-run");
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const auto open = [&](const std::string& name) {
    return CreateFileA((folder + name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  ConsoleRun run;
  {
    HandleCloser out{open("out.txt")};
    HandleCloser err{open("err.txt")};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.handle;
    startup.hStdError = err.handle;
    PROCESS_INFORMATION info{};
    const std::string program = WF_PROGRAM_PATH;
    // Appended rather than concatenated: GCC 12 warns wrongly about "\"" + text.
    std::string line = "\"";
    line += program.substr(0, program.find_last_of('\\') + 1);
    line += programFileName + "\" " + arguments;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info)) {
      ADD_FAILURE() << "cannot start " << line << ": error " << GetLastError();
      return run;
    }
    HandleCloser process{info.hProcess};
    HandleCloser thread{info.hThread};
    if (WaitForSingleObject(info.hProcess, 60000) != WAIT_OBJECT_0) {
      TerminateProcess(info.hProcess, 1);
      ADD_FAILURE() << programFileName << " did not end: " << arguments;
    }
    GetExitCodeProcess(info.hProcess, &run.exitCode);
  }
  run.out = ReadFile(folder + "out.txt");
  run.err = ReadFile(folder + "err.txt");
  return run;
}

std::string ScratchFolder(const std::string& name) {
  const std::string folder = TempFolder() + "wrenfold-tests\\" + name + "\\";
  CreateDirectoryA((TempFolder() + "wrenfold-tests").c_str(), nullptr);
  RunCommand("cmd /c rmdir /s /q \"" + folder.substr(0, folder.size() - 1) + "\"");
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteKeyTree(HKEY root, const std::string& path) { RegDeleteTreeA(root, path.c_str()); }

std::string RegExport(const std::string& rootAndPath) {
  const std::string file = ScratchFolder("regexport") + "export.reg";
  if (RunCommand("reg export \"" + rootAndPath + "\" \"" + file + "\" /y") != 0) return {};
  const std::string raw = ReadFile(file);
  // reg writes UTF-16LE with a byte-order mark.
  std::wstring wide;
  for (std::size_t i = 2; i + 1 < raw.size(); i += 2) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(raw[i]) |
                                 (static_cast<unsigned char>(raw[i + 1]) << 8));
  }
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace testsupport
#endif
