#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::fake {

// Folders and files in memory, on a clock that only Sleep moves.  Paths are
// absolute Windows paths ("/" counts as "\"), compared without regard to
// letter case; drive C: exists, other drives only when a test adds them.
class FakeFileSystem final : public IFileSystem {
 public:
  struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };

  FakeFileSystem();

  std::set<std::string, NoCase> directories;
  std::map<std::string, std::string, NoCase> files;
  std::map<std::uint32_t, std::string> messages;
  std::uint32_t lastError = winerr::kSuccess;
  // Injected into every write or close while non-zero.
  std::uint32_t writeError = winerr::kSuccess;
  std::uint32_t closeError = winerr::kSuccess;
  // Milliseconds slept so far, and each pause.
  unsigned elapsedMs = 0;
  std::vector<unsigned> sleeps;
  // Files open right now, and opens that succeeded in all.
  int openFiles = 0;
  int opens = 0;
  // What was written to the debugger's output, one entry per call.
  std::vector<std::string> debugOutput;

  // The folder and every missing folder above it.
  void AddFolder(const std::string& path);
  // Another writer holds the file for this long on the fake clock: opens for
  // appending fail with a sharing violation until then.
  void HoldAgainstWriters(const std::string& path, unsigned milliseconds);
  // The file exists, with or without the read-only attribute; opens of a
  // read-only file for appending are refused with access denied.
  void SetReadOnly(const std::string& path, bool readOnly);
  // The file's contents; empty when it does not exist.
  std::string Contents(const std::string& path) const;

  AppendOpenResult OpenForAppend(const std::string& path) override;
  std::uint32_t MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::string ErrorMessage(std::uint32_t code) override;
  std::uint32_t LastError() override { return lastError; }
  void Sleep(unsigned milliseconds) override;
  void WriteDebugOutput(const std::string& text) override { debugOutput.push_back(text); }

 private:
  class File;
  std::set<std::string, NoCase> openPaths_;
  std::map<std::string, unsigned, NoCase> heldUntil_;
  std::set<std::string, NoCase> readOnly_;
};

}  // namespace platform::fake
