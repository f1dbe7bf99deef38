#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

class Win32AppendFile final : public IAppendFile {
 public:
  explicit Win32AppendFile(FileHandle handle) : handle_(std::move(handle)) {}

  std::uint32_t Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!WriteFile(handle_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr)) {
        return GetLastError();
      }
      if (written == 0) return winerr::kWriteFault;
      bytes.remove_prefix(written);
    }
    return winerr::kSuccess;
  }

  std::uint32_t Close() override {
    if (!handle_) return winerr::kSuccess;
    const HANDLE handle = handle_.release();
    return CloseHandle(handle) ? winerr::kSuccess : GetLastError();
  }

 private:
  FileHandle handle_;
};

class Win32FileSystem final : public IFileSystem {
 public:
  AppendOpenResult OpenForAppend(const std::string& path) override {
    FileHandle handle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return {nullptr, GetLastError()};
    LARGE_INTEGER none{};
    if (!SetFilePointerEx(handle.get(), none, nullptr, FILE_END)) return {nullptr, GetLastError()};
    return {std::make_unique<Win32AppendFile>(std::move(handle)), winerr::kSuccess};
  }

  std::uint32_t MakeDirectory(const std::string& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) ? winerr::kSuccess : GetLastError();
  }

  bool DirectoryExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  std::string ErrorMessage(std::uint32_t code) override {
    char buffer[1024] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
  }

  std::uint32_t LastError() override { return GetLastError(); }

  void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }

  void WriteDebugOutput(const std::string& text) override { OutputDebugStringA(text.c_str()); }
};

}  // namespace

IFileSystem& FileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace platform::win32
