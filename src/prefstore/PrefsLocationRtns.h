#pragma once
// The preference location (the byte itself lives with the common services,
// which read it too) and its display names.
#include <cstdint>
#include <string>

#include "common/PrefLocation.h"

// "Registry", "File", "On USB"; empty for plRegistryDirect and unknown values.
std::string PrefLocationDisplayName(std::uint8_t location);
