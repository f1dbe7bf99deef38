#pragma once
// Product keys for tests of the tools that read them: values as the wide
// registry functions give them.
#include <string>

#include "platform/RegistryTree.h"
#include "platform/Utf16.h"

namespace checktest {

inline const std::string kProductKeyPath = "Software\\Orlavex\\Wrenfold 4";

inline platform::RegTreeValue Dword(const std::string& name, std::uint32_t value) {
  return {name,
          platform::reg::kDword,
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

// A text with its terminating zero, in UTF-16 LE.
inline platform::RegTreeValue Text(const std::string& name, const std::string& utf8,
                                   std::uint32_t type = platform::reg::kSz) {
  return {name, type, platform::LeBytesOf(platform::Utf16OfUtf8(utf8) + u'\0')};
}

}  // namespace checktest
