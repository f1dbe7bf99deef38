#pragma once
// Files and folders as the event log and directory creation use them.  Every
// failure comes back as its Win32 error code, taken at the failing call, so
// nothing in between can overwrite it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/WinError.h"

namespace platform {

// A file open for appending; closed when released if Close was not called.
class IAppendFile {
 public:
  virtual ~IAppendFile() = default;
  // Writes all of `bytes` at the end of the file.
  virtual std::uint32_t Write(std::string_view bytes) = 0;
  // Closes the file, reporting what closing said; the file is closed after
  // this whatever the result.
  virtual std::uint32_t Close() = 0;
};

struct AppendOpenResult {
  std::unique_ptr<IAppendFile> file;  // null when the open failed
  std::uint32_t error = winerr::kSuccess;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // CreateFileA for writing with OPEN_ALWAYS and FILE_SHARE_READ, positioned
  // at the end: an existing file is appended to, a missing one created in an
  // existing folder.  Another writer holding the file makes the open fail.
  virtual AppendOpenResult OpenForAppend(const std::string& path) = 0;
  // CreateDirectoryA with default security: one level, the parent must exist.
  virtual std::uint32_t MakeDirectory(const std::string& path) = 0;
  // True when the path names an existing folder (a trailing backslash allowed).
  virtual bool DirectoryExists(const std::string& path) = 0;
  // FormatMessageA's system text for an error code, as the system gives it
  // (usually ending in a full stop and CR LF); empty when it has none.
  virtual std::string ErrorMessage(std::uint32_t code) = 0;
  // GetLastError: the calling thread's last error code, for a report of a
  // failure that carries no code of its own.
  virtual std::uint32_t LastError() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
  // OutputDebugStringA: the text to whatever debugger listens; the last place
  // a line can go when no file takes it.
  virtual void WriteDebugOutput(const std::string& text) = 0;
};

}  // namespace platform
