#include "check/ProductKeys.h"

#include <array>

#include "platform/Utf16.h"
#include "prefstore/ProductIdentity.h"

namespace reg = platform::reg;

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsStringType(std::uint32_t type) {
  return type == reg::kSz || type == reg::kExpandSz || type == reg::kMultiSz;
}

// Missing is an answer; any other failure is an error.
bool ReadHive(platform::IRegistryTreeReader& reader, platform::RegKey root, const char* rootName,
              platform::RegTree& tree, std::string& error) {
  const long status = reader.Read(root, std::string(kProductRegistryKey), &tree);
  if (status == reg::kSuccess || status == reg::kFileNotFound) return true;
  error = std::string("cannot read ") + rootName + "\\" + std::string(kProductRegistryKey) +
          " (error " + std::to_string(status) + ")";
  return false;
}

}  // namespace

std::string RegTypeName(std::uint32_t type) {
  static constexpr std::array<const char*, 12> kNames = {"REG_NONE",
                                                         "REG_SZ",
                                                         "REG_EXPAND_SZ",
                                                         "REG_BINARY",
                                                         "REG_DWORD",
                                                         "REG_DWORD_BIG_ENDIAN",
                                                         "REG_LINK",
                                                         "REG_MULTI_SZ",
                                                         "REG_RESOURCE_LIST",
                                                         "REG_FULL_RESOURCE_DESCRIPTOR",
                                                         "REG_RESOURCE_REQUIREMENTS_LIST",
                                                         "REG_QWORD"};
  return type < kNames.size() ? kNames[type] : "type " + std::to_string(type);
}

std::optional<std::string> BelowProductKey(std::string_view path) {
  const std::string_view product = kProductRegistryKey;
  if (path.size() < product.size()) return std::nullopt;
  for (std::size_t i = 0; i < product.size(); ++i) {
    if (FoldAscii(path[i]) != FoldAscii(product[i])) return std::nullopt;
  }
  std::string_view rest = path.substr(product.size());
  if (rest.empty()) return std::string();
  if (rest.front() != '\\') return std::nullopt;
  return std::string(rest.substr(1));
}

bool ReadLiveProductKeys(platform::IRegistryTreeReader& reader, TProductKeys& keys,
                         std::string& error) {
  if (!ReadHive(reader, reg::kCurrentUser, "HKEY_CURRENT_USER", keys.user, error) ||
      !ReadHive(reader, reg::kLocalMachine, "HKEY_LOCAL_MACHINE", keys.machine, error)) {
    return false;
  }
  keys.machineWritable =
      reader.OpensForWriting(reg::kLocalMachine, std::string(kProductRegistryKey));
  return true;
}

std::vector<std::uint8_t> AnsiData(const platform::RegTreeValue& value,
                                   const platform::IAnsiCodePage& codePage) {
  if (!IsStringType(value.type)) return value.data;
  const std::string ansi =
      codePage.FromUtf8(platform::Utf8OfUtf16(platform::Utf16OfLeBytes(value.data)), nullptr);
  return std::vector<std::uint8_t>(ansi.begin(), ansi.end());
}

void SeedRegistry(platform::IRegistry& registry, const TProductKeys& keys,
                  const platform::IAnsiCodePage& codePage) {
  const auto seed = [&](platform::RegKey root, const platform::RegTree& tree) {
    for (const platform::RegTreeKey& key : tree) {
      platform::RegKey raw = 0;
      if (registry.CreateKey(root, codePage.FromUtf8(key.path, nullptr), reg::kAllAccess, &raw,
                             nullptr) != reg::kSuccess) {
        continue;
      }
      const platform::UniqueRegKey opened(registry, raw);
      for (const platform::RegTreeValue& value : key.values) {
        const std::vector<std::uint8_t> data = AnsiData(value, codePage);
        registry.SetValue(opened.get(), codePage.FromUtf8(value.name, nullptr), value.type,
                          data.data(), static_cast<std::uint32_t>(data.size()));
      }
    }
  };
  seed(reg::kCurrentUser, keys.user);
  seed(reg::kLocalMachine, keys.machine);
}

std::optional<TStoredValue> ReadStoredValue(platform::IRegistry& registry, platform::RegKey root,
                                            const std::string& path, const std::string& name) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(root, path, reg::kQueryValue, &raw) != reg::kSuccess) return std::nullopt;
  const platform::UniqueRegKey key(registry, raw);
  TStoredValue value;
  std::uint32_t size = 0;
  if (registry.QueryValue(key.get(), name, &value.type, nullptr, &size) != reg::kSuccess) {
    return std::nullopt;
  }
  value.data.resize(size);
  if (size != 0 && registry.QueryValue(key.get(), name, &value.type, value.data.data(), &size) !=
                       reg::kSuccess) {
    return std::nullopt;
  }
  value.data.resize(size);
  return value;
}
