#include "prefstore/DataScope.h"

#include <array>

std::string cfgDataScopeName(std::uint8_t scope) {
  static constexpr std::array<const char*, 3> kNames = {"cfgPerUserRoam", "cfgPerUserNonRoam",
                                                        "cfgPerMachine"};
  return scope < kNames.size() ? kNames[scope] : "";
}
