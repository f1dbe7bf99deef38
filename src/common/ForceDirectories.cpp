#include "common/ForceDirectories.h"

#include <cstdint>

#include "common/EventLog.h"
#include "common/EventLogSettings.h"
#include "common/PathText.h"
#include "common/SystemMessage.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace {

// Creates the level `path` names after its parents; on failure `error` holds
// the code of the level that could not be made.
bool ForceLevel(const std::string& path, std::uint32_t& error) {
  std::string folder = path;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  platform::IFileSystem& fs = platform::FileSystem();
  // "C:", a root, or a level that is already there; checking each level
  // keeps an existing parent from counting as a failure to create it.
  if (folder.size() <= 2 || ExtractFilePath(folder) == folder || fs.DirectoryExists(folder)) {
    return true;
  }
  if (!ForceLevel(ExtractFilePath(folder), error)) return false;
  error = fs.MakeDirectory(folder);
  // Made by someone else in the meantime: there all the same.
  return error == platform::winerr::kSuccess || fs.DirectoryExists(folder);
}

}  // namespace

bool ForceDirectoriesEx(const std::string& folder) {
  if (platform::FileSystem().DirectoryExists(folder)) return true;
  if (folder.empty()) return false;

  std::uint32_t error = platform::winerr::kSuccess;
  const bool created = ForceLevel(folder, error);
  if (!created && LoggingUnusualEvents()) {
    LogEvent("ForceDirectoriesEx error: Could not create the directory\r\n  " + folder +
                 "\r\n  ErrCode: " + std::to_string(error) + "\r\n  " + SystemMessage(error) +
                 "\r\n",
             true);
  }
  return created;
}
