#include "prefstore/PrefsLocationRtns.h"

#include <array>

#include "common/UpwardHooks.h"

std::uint8_t PrefLocation = WRENFOLD_PREF_LOCATION;

std::string PrefLocationDisplayName(std::uint8_t location) {
  static constexpr std::array<const char*, 3> kNames = {"Registry", "File", "On USB"};
  return location < kNames.size() ? kNames[location] : "";
}

void InitPrefsLocationRtns() {
  UpwardHooks().prefsOnUSB = [] { return PrefLocation == plOnUSB; };
}
