#pragma once
// A registry key with everything below it, as the wide registry functions
// see it: nothing is lost to the ANSI code page on the way in, so whoever
// reads the tree can tell which names and texts the code page cannot hold.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace platform {

struct RegTreeValue {
  std::string name;  // UTF-8; empty for the key's default value
  std::uint32_t type = reg::kNone;
  // As stored: the texts of REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ in UTF-16 LE.
  std::vector<std::uint8_t> data;
  bool operator==(const RegTreeValue&) const = default;
};

struct RegTreeKey {
  std::string path;  // below the root, UTF-8, levels joined by backslashes
  std::vector<RegTreeValue> values;
  bool operator==(const RegTreeKey&) const = default;
};

// The key itself first, then every key below it, each before its subkeys.
using RegTree = std::vector<RegTreeKey>;

class IRegistryTreeReader {
 public:
  virtual ~IRegistryTreeReader() = default;
  // reg::kSuccess with the tree of root\path; reg::kFileNotFound when the key
  // is missing; another error code when it cannot be read whole.
  virtual long Read(RegKey root, const std::string& path, RegTree* tree) = 0;
  // Whether root\path opens with the rights to set values and create keys;
  // a missing key counts when the nearest key above it that exists lets
  // subkeys be created.  Nothing is written to find out.
  virtual bool OpensForWriting(RegKey root, const std::string& path) = 0;
};

}  // namespace platform
