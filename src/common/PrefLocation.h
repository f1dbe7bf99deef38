#pragma once
// Where preferences live: one process-wide byte, read by the store at every
// OpenPref and by the common services, which map the documents and temporary
// folders beside the program when preferences live there.  It sits at this
// level so that both can read it directly.
#include <cstdint>

enum TPrefLocation : std::uint8_t {
  plRegistry = 0,
  plFile = 1,
  plOnUSB = 2,
  plRegistryDirect = 3,
};

// A build may choose another location (WRENFOLD_PREF_LOCATION).
extern std::uint8_t PrefLocation;
