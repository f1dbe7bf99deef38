#include "platform/win32/Win32RegistryTree.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32AnsiText.h"

namespace platform::win32 {

namespace {

struct HkeyTraits {
  using Type = HKEY;
  static Type Invalid() { return nullptr; }
  static void Close(Type key) { RegCloseKey(key); }
};
using Hkey = UniqueHandle<HkeyTraits>;

HKEY RootOf(RegKey root) {
  return root == reg::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::string Join(const std::string& parent, const std::string& child) {
  return parent.empty() ? child : parent + "\\" + child;
}

// The values of an open key, then its subkeys' names, in the registry's order.
long ReadKey(HKEY key, RegTreeKey& into, std::vector<std::wstring>& subkeys) {
  DWORD subkeyCount = 0, longestSubkey = 0, valueCount = 0, longestName = 0, longestData = 0;
  LONG status =
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeyCount, &longestSubkey, nullptr,
                       &valueCount, &longestName, &longestData, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  std::vector<wchar_t> name(longestName + 1);
  std::vector<BYTE> data(std::max<DWORD>(longestData, 1));
  for (DWORD i = 0; i < valueCount; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (status != ERROR_SUCCESS) return status;
    into.values.push_back({Utf8OfWide(std::wstring_view(name.data(), nameLength)), type,
                           std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
  }
  std::vector<wchar_t> subkey(longestSubkey + 1);
  for (DWORD i = 0; i < subkeyCount; ++i) {
    DWORD length = static_cast<DWORD>(subkey.size());
    status = RegEnumKeyExW(key, i, subkey.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return status;
    subkeys.emplace_back(subkey.data(), length);
  }
  return ERROR_SUCCESS;
}

long ReadTree(HKEY parent, const std::wstring& name, const std::string& path, RegTree& tree) {
  Hkey key;
  LONG status = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, key.Out());
  if (status != ERROR_SUCCESS) return status;
  tree.push_back({path, {}});
  std::vector<std::wstring> subkeys;
  status = ReadKey(key.get(), tree.back(), subkeys);
  if (status != ERROR_SUCCESS) return status;
  for (const std::wstring& subkey : subkeys) {
    status = ReadTree(key.get(), subkey, Join(path, Utf8OfWide(subkey)), tree);
    // A subkey deleted while the tree is read is simply not there.
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  }
  return ERROR_SUCCESS;
}

class Win32RegistryTreeReader final : public IRegistryTreeReader {
 public:
  long Read(RegKey root, const std::string& path, RegTree* tree) override {
    tree->clear();
    const long status = ReadTree(RootOf(root), WideOfUtf8(path), path, *tree);
    if (status != ERROR_SUCCESS) tree->clear();
    return status;
  }

  bool OpensForWriting(RegKey root, const std::string& path) override {
    std::wstring wide = WideOfUtf8(path);
    Hkey key;
    const LONG opened =
        RegOpenKeyExW(RootOf(root), wide.c_str(), 0, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, key.Out());
    if (opened != ERROR_FILE_NOT_FOUND) return opened == ERROR_SUCCESS;
    // A missing key is made below the nearest one that exists.
    while (!wide.empty()) {
      const std::size_t cut = wide.find_last_of(L'\\');
      wide.resize(cut == std::wstring::npos ? 0 : cut);
      const LONG status = RegOpenKeyExW(RootOf(root), wide.c_str(), 0, KEY_READ, key.Out());
      if (status == ERROR_FILE_NOT_FOUND) continue;
      if (status != ERROR_SUCCESS) return false;
      key.reset();
      return RegOpenKeyExW(RootOf(root), wide.c_str(), 0, KEY_CREATE_SUB_KEY, key.Out()) ==
             ERROR_SUCCESS;
    }
    return false;
  }
};

}  // namespace

IRegistryTreeReader& RegistryTreeReader() {
  static Win32RegistryTreeReader reader;
  return reader;
}

}  // namespace platform::win32
