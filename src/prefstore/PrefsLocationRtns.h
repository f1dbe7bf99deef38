#pragma once
#include <cstdint>
#include <string>

// Where preferences live, read at every OpenPref.
enum TPrefLocation : std::uint8_t {
  plRegistry = 0,
  plFile = 1,
  plOnUSB = 2,
  plRegistryDirect = 3,
};

// Process-wide; a build may choose another location (WRENFOLD_PREF_LOCATION).
extern std::uint8_t PrefLocation;

// "Registry", "File", "On USB"; empty for plRegistryDirect and unknown values.
std::string PrefLocationDisplayName(std::uint8_t location);

// Program start: lets the common services, which sit below the store, see
// whether preferences live beside the program.
void InitPrefsLocationRtns();
