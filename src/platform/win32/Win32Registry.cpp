#include <windows.h>

#include <vector>

#include "platform/Registry.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

// The roots' handle values are sign-extended in a 64-bit HKEY; the core
// carries them as the plain 32-bit numbers.
HKEY ToHkey(RegKey key) {
  if (key == reg::kCurrentUser) return HKEY_CURRENT_USER;
  if (key == reg::kLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

// Longest key name plus its zero; longest value name plus its zero.
constexpr DWORD kKeyNameBuffer = 256;
constexpr DWORD kValueNameBuffer = 16384;

class Win32Registry final : public IRegistry {
 public:
  long OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
               RegKey* result) override {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &opened);
    *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    return status;
  }

  long CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access, RegKey* result,
                 bool* created) override {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LONG status =
        RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                        nullptr, &opened, &disposition);
    *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    if (created != nullptr) {
      *created = status == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    }
    return status;
  }

  long CloseKey(RegKey key) override { return RegCloseKey(ToHkey(key)); }

  long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override {
    DWORD valueType = 0;
    DWORD valueSize = size != nullptr ? *size : 0;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                         size != nullptr ? &valueSize : nullptr);
    if (type != nullptr) *type = valueType;
    if (size != nullptr) *size = valueSize;
    return status;
  }

  long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                std::uint32_t size) override {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
  }

  long DeleteValue(RegKey key, const std::string& name) override {
    return RegDeleteValueA(ToHkey(key), name.c_str());
  }

  long DeleteKey(RegKey key, const std::string& subKey) override {
    return RegDeleteKeyA(ToHkey(key), subKey.c_str());
  }

  long EnumKey(RegKey key, std::uint32_t index, std::string* name) override {
    char buffer[kKeyNameBuffer];
    DWORD length = kKeyNameBuffer;
    const LONG status =
        RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    name->assign(status == ERROR_SUCCESS ? std::string(buffer, length) : std::string());
    return status;
  }

  long EnumValue(RegKey key, std::uint32_t index, std::string* name) override {
    std::vector<char> buffer(kValueNameBuffer);
    DWORD length = kValueNameBuffer;
    const LONG status = RegEnumValueA(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr,
                                      nullptr, nullptr);
    name->assign(status == ERROR_SUCCESS ? std::string(buffer.data(), length) : std::string());
    return status;
  }

  long QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override {
    DWORD subKeyCount = 0;
    DWORD valueCount = 0;
    const LONG status =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeyCount, nullptr, nullptr,
                         &valueCount, nullptr, nullptr, nullptr, nullptr);
    if (subKeys != nullptr) *subKeys = subKeyCount;
    if (values != nullptr) *values = valueCount;
    return status;
  }
};

}  // namespace

IRegistry& Registry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace platform::win32
