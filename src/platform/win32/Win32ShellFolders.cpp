#include <windows.h>
// windows.h first: the shell headers build on it.
#include <shlobj.h>

#include <vector>

#include "platform/ShellFolders.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

struct ItemIdListTraits {
  using Type = LPITEMIDLIST;
  static Type Invalid() { return nullptr; }
  static void Close(Type list) { CoTaskMemFree(list); }
};
using ItemIdList = UniqueHandle<ItemIdListTraits>;

class Win32ShellFolders final : public IShellFolders {
 public:
  std::string SpecialFolderPath(WindowHandle owner, int folder) override {
    LPITEMIDLIST raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(static_cast<HWND>(owner), folder, &raw))) return {};
    const ItemIdList list(raw);
    char buffer[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListA(list.get(), buffer)) return {};
    return buffer;
  }

  std::string FolderPath(WindowHandle owner, int folder) override {
    char buffer[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathA(static_cast<HWND>(owner), folder, nullptr, SHGFP_TYPE_CURRENT,
                                buffer))) {
      return {};
    }
    return buffer;
  }

  std::string TempPath() override {
    std::vector<char> buffer(MAX_PATH, '\0');
    DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
      // Too small: the call told us the size it needs, terminator included.
      buffer.assign(length + 1, '\0');
      length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size()) return {};
    return std::string(buffer.data(), length);
  }
};

}  // namespace

IShellFolders& ShellFolders() {
  static Win32ShellFolders folders;
  return folders;
}

}  // namespace platform::win32
