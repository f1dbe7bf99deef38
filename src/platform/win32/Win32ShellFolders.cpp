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

struct ModuleTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static void Close(Type module) { FreeLibrary(module); }
};
using Module = UniqueHandle<ModuleTraits>;

using SpecialFolderLocationProc = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
using PathFromIdListProc = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using FolderPathProc = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// The shell library and the libraries it brings along cost a run a good part
// of its start-up, and most runs never ask for a folder: it is loaded on the
// first question and stays until the program ends.  Null entries mean the
// shell could not be loaded, which answers every question with no folder.
class ShellLibrary {
 public:
  // The shell library is one of the system's known libraries, which are only
  // ever taken from the system folder.
  ShellLibrary() : module_(LoadLibraryA("shell32.dll")) {
    if (!module_) return;
    specialFolderLocation = Entry<SpecialFolderLocationProc>("SHGetSpecialFolderLocation");
    pathFromIdList = Entry<PathFromIdListProc>("SHGetPathFromIDListA");
    folderPath = Entry<FolderPathProc>("SHGetFolderPathA");
  }

  static ShellLibrary& Get() {
    static ShellLibrary library;
    return library;
  }

  SpecialFolderLocationProc specialFolderLocation = nullptr;
  PathFromIdListProc pathFromIdList = nullptr;
  FolderPathProc folderPath = nullptr;

 private:
  template <class Proc>
  Proc Entry(const char* name) const {
    // GetProcAddress answers a generic function pointer; the cast names its
    // real type.
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
  }

  Module module_;
};

class Win32ShellFolders final : public IShellFolders {
 public:
  std::string SpecialFolderPath(WindowHandle owner, int folder) override {
    const ShellLibrary& shell = ShellLibrary::Get();
    if (shell.specialFolderLocation == nullptr || shell.pathFromIdList == nullptr) return {};
    LPITEMIDLIST raw = nullptr;
    if (FAILED(shell.specialFolderLocation(static_cast<HWND>(owner), folder, &raw))) return {};
    const ItemIdList list(raw);
    char buffer[MAX_PATH + 1] = {};
    if (!shell.pathFromIdList(list.get(), buffer)) return {};
    return buffer;
  }

  std::string FolderPath(WindowHandle owner, int folder) override {
    const ShellLibrary& shell = ShellLibrary::Get();
    if (shell.folderPath == nullptr) return {};
    char buffer[MAX_PATH + 1] = {};
    if (FAILED(shell.folderPath(static_cast<HWND>(owner), folder, nullptr, SHGFP_TYPE_CURRENT,
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
