#pragma once
// Whose data a key holds: the scope argument of OpenPref.
#include <cstdint>
#include <string>

enum cfgDataScope : std::uint8_t {
  cfgPerUserRoam = 0,
  cfgPerUserNonRoam = 1,
  cfgPerMachine = 2,
};

// "cfgPerUserRoam", "cfgPerUserNonRoam", "cfgPerMachine"; empty for any other.
std::string cfgDataScopeName(std::uint8_t scope);
