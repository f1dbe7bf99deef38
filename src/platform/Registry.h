#pragma once
// The registry as the advapi32 "A" functions see it: keys opened relative to a
// root or to another open key, typed values, Win32 error codes as results.
#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"
#include "platform/WinError.h"

namespace platform {

// An open key, HKEY-shaped.  The two roots carry their Win32 handle values;
// every other value is whatever the implementation handed out.
using RegKey = std::uintptr_t;

// Win32 values under names that cannot collide with <windows.h> macros.
namespace reg {

inline constexpr RegKey kCurrentUser = 0x80000001;
inline constexpr RegKey kLocalMachine = 0x80000002;

// Results: the error codes as the registry calls return them.
inline constexpr long kSuccess = winerr::kSuccess;
inline constexpr long kFileNotFound = winerr::kFileNotFound;
inline constexpr long kAccessDenied = winerr::kAccessDenied;
inline constexpr long kInvalidHandle = winerr::kInvalidHandle;
inline constexpr long kInvalidParameter = winerr::kInvalidParameter;
inline constexpr long kBadPathname = winerr::kBadPathname;
inline constexpr long kMoreData = winerr::kMoreData;
inline constexpr long kNoMoreItems = winerr::kNoMoreItems;
inline constexpr long kKeyDeleted = winerr::kKeyDeleted;

// Access rights.
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kNotify = 0x0010;
inline constexpr std::uint32_t kCreateLink = 0x0020;
inline constexpr std::uint32_t kDelete = 0x00010000;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kWriteDac = 0x00040000;
inline constexpr std::uint32_t kWriteOwner = 0x00080000;
inline constexpr std::uint32_t kStandardRightsRead = kReadControl;
inline constexpr std::uint32_t kRead = 0x00020019;
inline constexpr std::uint32_t kWrite = 0x00020006;
inline constexpr std::uint32_t kAllAccess = 0x000F003F;
// The rights that change a key or its values.
inline constexpr std::uint32_t kModifyingRights =
    kSetValue | kCreateSubKey | kCreateLink | kDelete | kWriteDac | kWriteOwner;

// Value types.
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kExpandSz = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiSz = 7;
inline constexpr std::uint32_t kQword = 11;

}  // namespace reg

class IRegistry {
 public:
  virtual ~IRegistry() = default;

  // RegOpenKeyExA.  `subKey` may name several levels; empty opens `parent`
  // again.
  virtual long OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                       RegKey* result) = 0;
  // RegCreateKeyExA: non-volatile, default security; opens the key when it
  // exists.  `created` (may be null) tells whether it was made now.
  virtual long CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey* result, bool* created) = 0;
  virtual long CloseKey(RegKey key) = 0;
  // RegQueryValueExA.  `type`, `data` and `size` may each be null; with
  // `data`, `*size` is the buffer's size on entry.  A buffer too small gives
  // kMoreData with the type and the size needed.
  virtual long QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) = 0;
  // RegSetValueExA: creates or replaces the value with the bytes as given.
  virtual long SetValue(RegKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) = 0;
  virtual long DeleteValue(RegKey key, const std::string& name) = 0;
  // RegDeleteKeyA: the subkey must have no subkeys of its own.
  virtual long DeleteKey(RegKey key, const std::string& subKey) = 0;
  // RegEnumKeyExA / RegEnumValueA by index; kNoMoreItems past the end.
  virtual long EnumKey(RegKey key, std::uint32_t index, std::string* name) = 0;
  virtual long EnumValue(RegKey key, std::uint32_t index, std::string* name) = 0;
  // RegQueryInfoKeyA: the numbers of subkeys and values; either may be null.
  virtual long QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) = 0;
};

// Closes a key through the registry that opened it.  The roots are never
// closed.
struct RegKeyTraits {
  using Type = RegKey;
  IRegistry* registry = nullptr;
  static RegKey Invalid() { return 0; }
  void Close(RegKey key) const {
    if (key != reg::kCurrentUser && key != reg::kLocalMachine) registry->CloseKey(key);
  }
};

// Owns one open key.
class UniqueRegKey : public UniqueHandle<RegKeyTraits> {
 public:
  UniqueRegKey() = default;
  UniqueRegKey(IRegistry& registry, RegKey key)
      : UniqueHandle(key, platform::RegKeyTraits{&registry}) {}
};

}  // namespace platform
