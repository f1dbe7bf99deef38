#include "prefstore/RegistryObject.h"

#include <algorithm>
#include <cstring>

#include "platform/Error.h"
#include "platform/Services.h"
#include "prefstore/StoreErrors.h"

namespace reg = platform::reg;
using platform::RegKey;
using platform::UniqueRegKey;

namespace {

// Reading rights from the most to the least: KEY_READ, then the same without
// KEY_NOTIFY, then only the values.
constexpr std::uint32_t kReadOnlyLadder[] = {
    reg::kRead, reg::kStandardRightsRead | reg::kQueryValue | reg::kEnumerateSubKeys,
    reg::kQueryValue};

// Texts up to this size compare and read in one registry call.
constexpr std::size_t kScratchSize = 4096;

[[noreturn]] void InvalidType(const std::string& name) {
  throw EProgramError("Invalid data type for '" + name + "'");
}

}  // namespace

bool IsRegString(std::uint32_t type) { return type == reg::kSz || type == reg::kExpandSz; }

bool IsRegBinaryReadable(std::uint32_t type) { return !IsRegString(type) && type != reg::kDword; }

std::uint32_t RegDwordOf(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::array<std::uint8_t, 4> RegDwordBytes(std::uint32_t bits) {
  return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
          static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

std::string_view RegTextOf(const std::uint8_t* bytes, std::uint32_t size) {
  const char* text = reinterpret_cast<const char*>(bytes);
  const void* zero = size != 0 ? std::memchr(text, 0, size) : nullptr;
  return {text, zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - text)
                                : static_cast<std::size_t>(size)};
}

TRegistryObject::TRegistryObject(RegKey root) : registry_(platform::Registry()), root_(root) {}

bool TRegistryObject::OpenFrom(RegKey parent, const std::string& path, std::uint32_t access) {
  RegKey key = 0;
  if (registry_.OpenKey(parent, path, access, &key) != reg::kSuccess) return false;
  current_ = UniqueRegKey(registry_, key);
  return true;
}

bool TRegistryObject::OpenKey(const std::string& path, bool canCreate) {
  if (!canCreate) return OpenFrom(root_, path, access_);
  // Creating opens a key that exists: one call either way.
  RegKey key = 0;
  if (registry_.CreateKey(root_, path, access_, &key, nullptr) != reg::kSuccess) return false;
  current_ = UniqueRegKey(registry_, key);
  return true;
}

bool TRegistryObject::OpenKeyReadOnly(const std::string& path) {
  for (const std::uint32_t rights : kReadOnlyLadder) {
    RegKey key = 0;
    const long status = registry_.OpenKey(root_, path, rights, &key);
    if (status == reg::kSuccess) {
      current_ = UniqueRegKey(registry_, key);
      access_ = rights;
      return true;
    }
    // Fewer rights help only where rights were refused, not for a missing key.
    if (status != reg::kAccessDenied) return false;
  }
  return false;
}

bool TRegistryObject::OpenSubKey(const std::string& sub) {
  return current_ && OpenFrom(current_.get(), sub, access_);
}

long TRegistryObject::Query(const std::string& name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) {
  if (!current_) return reg::kFileNotFound;
  return registry_.QueryValue(current_.get(), name, type, data, size);
}

bool TRegistryObject::Exists(const std::string& name, std::uint32_t* type, std::uint32_t* size) {
  return Query(name, type, nullptr, size) == reg::kSuccess;
}

TRegistryObject::ReadStatus TRegistryObject::ReadDword(const std::string& name,
                                                       std::uint32_t* value) {
  std::uint8_t bytes[4] = {};
  std::uint32_t type = reg::kNone;
  std::uint32_t size = sizeof bytes;
  if (Query(name, &type, bytes, &size) != reg::kSuccess) return ReadStatus::kFailed;
  if (type != reg::kDword) return ReadStatus::kWrongType;
  *value = RegDwordOf(bytes);
  return ReadStatus::kRead;
}

TRegistryObject::ReadStatus TRegistryObject::ReadText(const std::string& name,
                                                      std::string_view* text) {
  if (scratch_.size() < kScratchSize) scratch_.resize(kScratchSize);
  std::uint32_t type = reg::kNone;
  auto size = static_cast<std::uint32_t>(scratch_.size());
  long status = Query(name, &type, scratch_.data(), &size);
  if (status == reg::kMoreData && IsRegString(type)) {
    scratch_.resize(size);
    status = Query(name, &type, scratch_.data(), &size);
  }
  if (status == reg::kMoreData && !IsRegString(type)) return ReadStatus::kWrongType;
  if (status != reg::kSuccess) return ReadStatus::kFailed;
  if (!IsRegString(type)) return ReadStatus::kWrongType;
  *text = RegTextOf(scratch_.data(), size);
  return ReadStatus::kRead;
}

std::optional<std::uint32_t> TRegistryObject::GetDword(const std::string& name) {
  if (!Exists(name, nullptr, nullptr)) return std::nullopt;
  std::uint32_t value = 0;
  switch (ReadDword(name, &value)) {
    case ReadStatus::kRead: return value;
    case ReadStatus::kWrongType: InvalidType(name);
    case ReadStatus::kFailed: break;
  }
  FailedToGet(name);
}

std::optional<std::int32_t> TRegistryObject::GetInteger(const std::string& name) {
  const std::optional<std::uint32_t> value = GetDword(name);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<bool> TRegistryObject::GetBoolean(const std::string& name) {
  const std::optional<std::uint32_t> value = GetDword(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::string> TRegistryObject::GetString(const std::string& name) {
  if (!Exists(name, nullptr, nullptr)) return std::nullopt;
  std::string_view text;
  switch (ReadText(name, &text)) {
    case ReadStatus::kRead: return std::string(text);
    case ReadStatus::kWrongType: InvalidType(name);
    case ReadStatus::kFailed: break;
  }
  FailedToGet(name);
}

std::optional<std::int32_t> TRegistryObject::GetBinary(const std::string& name,
                                                       std::uint8_t* buffer, std::int32_t room) {
  std::uint32_t type = reg::kNone;
  std::uint32_t size = 0;
  if (!Exists(name, &type, &size)) return std::nullopt;
  if (!IsRegBinaryReadable(type) || size > static_cast<std::uint32_t>(room)) InvalidType(name);
  if (size == 0) return 0;
  auto read = static_cast<std::uint32_t>(room);
  if (Query(name, &type, buffer, &read) != reg::kSuccess) FailedToGet(name);
  return static_cast<std::int32_t>(read);
}

bool TRegistryObject::HoldsDword(const std::string& name, std::uint32_t value) {
  std::uint32_t held = 0;
  return ReadDword(name, &held) == ReadStatus::kRead && held == value;
}

bool TRegistryObject::HoldsBoolean(const std::string& name, bool value) {
  std::uint32_t held = 0;
  return ReadDword(name, &held) == ReadStatus::kRead && (held != 0) == value;
}

bool TRegistryObject::HoldsText(const std::string& name, const std::string& text) {
  std::string_view held;
  return ReadText(name, &held) == ReadStatus::kRead && held == text;
}

bool TRegistryObject::HoldsBytes(const std::string& name, const std::uint8_t* bytes,
                                 std::uint32_t size) {
  // A buffer of exactly the new size: a larger value does not fit and so differs.
  if (scratch_.size() < std::max<std::uint32_t>(size, 1)) scratch_.resize(std::max(size, 1u));
  std::uint32_t type = reg::kNone;
  std::uint32_t held = size;
  return Query(name, &type, scratch_.data(), &held) == reg::kSuccess && IsRegBinaryReadable(type) &&
         held == size && (size == 0 || std::memcmp(scratch_.data(), bytes, size) == 0);
}

void TRegistryObject::Write(const std::string& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) {
  if (!current_ || registry_.SetValue(current_.get(), name, type, data, size) != reg::kSuccess) {
    FailedToSet(name);
  }
}

void TRegistryObject::SetInteger(const std::string& name, std::int32_t value) {
  const auto bytes = RegDwordBytes(static_cast<std::uint32_t>(value));
  Write(name, reg::kDword, bytes.data(), bytes.size());
}

void TRegistryObject::SetBoolean(const std::string& name, bool value) {
  SetInteger(name, value ? 1 : 0);
}

void TRegistryObject::SetString(const std::string& name, const std::string& value) {
  Write(name, reg::kSz, reinterpret_cast<const std::uint8_t*>(value.c_str()),
        static_cast<std::uint32_t>(value.size() + 1));
}

void TRegistryObject::SetBinary(const std::string& name, const std::uint8_t* buffer,
                                std::int32_t size) {
  Write(name, reg::kBinary, buffer, static_cast<std::uint32_t>(size));
}

bool TRegistryObject::DeleteValue(const std::string& name) {
  return current_ && registry_.DeleteValue(current_.get(), name) == reg::kSuccess;
}

bool TRegistryObject::DeleteTree(RegKey parent, const std::string& sub) {
  RegKey key = 0;
  if (registry_.OpenKey(parent, sub, access_, &key) == reg::kSuccess) {
    const UniqueRegKey opened(registry_, key);
    std::vector<std::string> children;
    std::string child;
    while (registry_.EnumKey(opened.get(), static_cast<std::uint32_t>(children.size()), &child) ==
           reg::kSuccess) {
      children.push_back(child);
    }
    for (const std::string& name : children) DeleteTree(opened.get(), name);
  }
  return registry_.DeleteKey(parent, sub) == reg::kSuccess;
}

bool TRegistryObject::DeleteKey(const std::string& sub) {
  // An empty name would make the registry delete the open key itself, and
  // with it everything below: it names no subkey, so nothing goes.
  if (!current_ || sub.empty()) return false;
  return DeleteTree(current_.get(), sub);
}

bool TRegistryObject::ListValueNames(const std::string& sub, std::vector<std::string>& names) {
  if (!OpenSubKey(sub)) return false;
  names.clear();
  std::string name;
  while (registry_.EnumValue(current_.get(), static_cast<std::uint32_t>(names.size()), &name) ==
         reg::kSuccess) {
    names.push_back(name);
  }
  return true;
}
