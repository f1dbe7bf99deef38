#pragma once
// A machine's product keys, the user's and the machine's, as the tools read
// them from the live registry or from a `reg export` file: the state a check
// starts from and what a capture writes out.
#include <optional>
#include <string>
#include <string_view>

#include "platform/AnsiCodePage.h"
#include "platform/Registry.h"
#include "platform/RegistryTree.h"

struct TProductKeys {
  // HKEY_CURRENT_USER\Software\Orlavex\Wrenfold 4 and below; empty when missing.
  platform::RegTree user;
  // HKEY_LOCAL_MACHINE\Software\Orlavex\Wrenfold 4 and below.
  platform::RegTree machine;
  // Whether this user may write the machine's key (a .reg file cannot say:
  // taken as yes).
  bool machineWritable = true;
};

// What a program's entry point hands its command of the machine it runs on.
struct TMachineAccess {
  // The live registry through the wide functions; null in the host build.
  platform::IRegistryTreeReader* registry = nullptr;
  // The code page of the registry's "A" functions and of the XML parser; the
  // entry point always sets it.
  const platform::IAnsiCodePage* codePage = nullptr;
};

// A value as the registry's "A" functions see it: its type and data.
struct TStoredValue {
  std::uint32_t type = platform::reg::kNone;
  std::vector<std::uint8_t> data;
  bool operator==(const TStoredValue&) const = default;
};

// The registry's name of a value type ("REG_SZ", "REG_QWORD", ...), or
// "type " and its number for one the registry does not name.
std::string RegTypeName(std::uint32_t type);

// The part of a key path below the product key ("" for the product key
// itself, "General", "$Unknown\Plugins"); none for a key outside it.
// Letter case is ignored, as the registry ignores it.
std::optional<std::string> BelowProductKey(std::string_view path);

// Reads both product keys and whether the machine's may be written; false
// with the reason in `error` when a key exists but cannot be read whole.
bool ReadLiveProductKeys(platform::IRegistryTreeReader& reader, TProductKeys& keys,
                         std::string& error);

// The value's data as the "A" functions give it: the texts of the string
// types in the ANSI code page, everything else as stored.
std::vector<std::uint8_t> AnsiData(const platform::RegTreeValue& value,
                                   const platform::IAnsiCodePage& codePage);

// Writes both trees into a registry (an empty in-memory one), names and texts
// in the ANSI code page as RegSetValueExA would receive them.
void SeedRegistry(platform::IRegistry& registry, const TProductKeys& keys,
                  const platform::IAnsiCodePage& codePage);

// The value root\path\name of a registry; none when the key or the value is
// missing.
std::optional<TStoredValue> ReadStoredValue(platform::IRegistry& registry, platform::RegKey root,
                                            const std::string& path, const std::string& name);
