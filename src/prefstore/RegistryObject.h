#pragma once
// One registry key of the store: a root, the current key below it and the
// rights used for opening, with the value rules of the registry backends:
// integers and booleans as REG_DWORD, strings as REG_SZ (REG_EXPAND_SZ read
// unexpanded), binary data as REG_BINARY (other types read as bytes too).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

// The type rules, shared by the reads and the layered comparisons.
bool IsRegString(std::uint32_t type);
bool IsRegBinaryReadable(std::uint32_t type);
// A REG_DWORD's four bytes, least significant first, both ways.
std::uint32_t RegDwordOf(const std::uint8_t* bytes);
std::array<std::uint8_t, 4> RegDwordBytes(std::uint32_t bits);
// The text up to its first zero character.
std::string_view RegTextOf(const std::uint8_t* bytes, std::uint32_t size);

class TRegistryObject {
 public:
  explicit TRegistryObject(platform::RegKey root);

  platform::RegKey Root() const { return root_; }
  std::uint32_t Access() const { return access_; }

  // Opens root\path with the object's rights, creating it first when it is
  // missing and canCreate; on success it becomes the current key.
  bool OpenKey(const std::string& path, bool canCreate);
  // Opens root\path with the first of KEY_READ, 0x20009, KEY_QUERY_VALUE that
  // is granted and keeps those rights for the later openings of this object.
  bool OpenKeyReadOnly(const std::string& path);
  // Opens a subkey of the current key, never creating it; on success the
  // subkey becomes the current key.
  bool OpenSubKey(const std::string& sub);

  // RegQueryValueExA on the current key; kFileNotFound when there is none.
  long Query(const std::string& name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size);

  // Reads: nothing for a missing value; an error for one that cannot be read
  // as the type asked for.
  std::optional<std::int32_t> GetInteger(const std::string& name);
  std::optional<bool> GetBoolean(const std::string& name);
  std::optional<std::string> GetString(const std::string& name);
  // `room` is what the backend interface passes on: never negative, and 0
  // when there is no buffer.
  std::optional<std::int32_t> GetBinary(const std::string& name, std::uint8_t* buffer,
                                        std::int32_t room);

  // Whether the value is there and reads as exactly this; a value of another
  // type, or one that cannot be read, holds no integer, text or bytes.
  bool HoldsDword(const std::string& name, std::uint32_t value);
  bool HoldsBoolean(const std::string& name, bool value);
  bool HoldsText(const std::string& name, const std::string& text);
  bool HoldsBytes(const std::string& name, const std::uint8_t* bytes, std::uint32_t size);

  void SetInteger(const std::string& name, std::int32_t value);
  void SetBoolean(const std::string& name, bool value);
  void SetString(const std::string& name, const std::string& value);
  // `size` bytes from `buffer`, as the store lets them through: never a
  // negative size, nor a missing buffer with bytes.
  void SetBinary(const std::string& name, const std::uint8_t* buffer, std::int32_t size);

  bool DeleteValue(const std::string& name);
  // Deletes the subkey with everything below it, deepest first; true when the
  // subkey itself went.
  bool DeleteKey(const std::string& sub);
  // Opens the subkey (as OpenSubKey) and replaces `names` with its value
  // names; leaves `names` alone when the subkey cannot be opened.
  bool ListValueNames(const std::string& sub, std::vector<std::string>& names);

 private:
  enum class ReadStatus { kRead, kFailed, kWrongType };
  bool Exists(const std::string& name, std::uint32_t* type, std::uint32_t* size);
  ReadStatus ReadDword(const std::string& name, std::uint32_t* value);
  // The text stays valid until the next read through this object.
  ReadStatus ReadText(const std::string& name, std::string_view* text);
  std::optional<std::uint32_t> GetDword(const std::string& name);
  void Write(const std::string& name, std::uint32_t type, const std::uint8_t* data,
             std::uint32_t size);
  bool DeleteTree(platform::RegKey parent, const std::string& sub);
  bool OpenFrom(platform::RegKey parent, const std::string& path, std::uint32_t access);

  platform::IRegistry& registry_;
  platform::RegKey root_;
  std::uint32_t access_ = platform::reg::kAllAccess;
  platform::UniqueRegKey current_;
  // Reused for comparing and reading texts, so that a value of ordinary size
  // takes one registry call to read.
  std::vector<std::uint8_t> scratch_;
};
