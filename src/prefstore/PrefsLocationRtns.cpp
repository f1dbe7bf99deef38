#include "prefstore/PrefsLocationRtns.h"

#include <array>

std::string PrefLocationDisplayName(std::uint8_t location) {
  static constexpr std::array<const char*, 3> kNames = {"Registry", "File", "On USB"};
  return location < kNames.size() ? kNames[location] : "";
}
