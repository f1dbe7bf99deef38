// Where the unattended log's lines go, whatever happens to the log: a run
// that nobody watches must never wait on a box because its log is missing,
// read-only, full or held by someone else.
#include <set>

#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"
#include "platform/UnattendedLog.h"

namespace platform {

namespace {

// A log on a share is held now and then by another run, the agent that
// collects it or a virus scanner, for a moment: 50 + 100 + 150 + 200 ms in
// all before the line goes elsewhere.
constexpr unsigned kAttempts = 5;
constexpr unsigned kPauseStepMs = 50;

// Files that would not take a line in this run.
std::set<std::string>& FailedFiles() {
  static std::set<std::string> failed;
  return failed;
}

bool Append(const std::string& path, const std::string& text) {
  if (path.empty() || FailedFiles().count(path) != 0) return false;
  IFileSystem& files = FileSystem();
  for (unsigned attempt = 1;; ++attempt) {
    AppendOpenResult open = files.OpenForAppend(path);
    if (open.file) {
      const bool written = open.file->Write(text) == winerr::kSuccess;
      const bool closed = open.file->Close() == winerr::kSuccess;
      if (written && closed) return true;
      break;
    }
    if (open.error != winerr::kSharingViolation || attempt == kAttempts) break;
    files.Sleep(kPauseStepMs * attempt);
  }
  FailedFiles().insert(path);
  return false;
}

}  // namespace

std::string UnattendedFallbackName(const std::string& logName) {
  const std::size_t folderEnd = logName.find_last_of("\\/:");
  const std::string base = folderEnd == std::string::npos ? logName : logName.substr(folderEnd + 1);
  const std::string temp = ShellFolders().TempPath();
  if (base.empty() || temp.empty()) return {};
  return temp.back() == '\\' ? temp + base : temp + '\\' + base;
}

bool AppendUnattendedLine(const std::string& line) {
  const std::string name = UnattendedLogName();
  if (name.empty()) return false;
  const std::string text = line + "\n";
  if (Append(name, text) || Append(UnattendedFallbackName(name), text)) return true;
  FileSystem().WriteDebugOutput(text);
  return true;
}

void ForgetFailedUnattendedFiles() { FailedFiles().clear(); }

}  // namespace platform
