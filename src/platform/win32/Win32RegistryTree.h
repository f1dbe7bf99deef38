#pragma once
// Reads a registry tree through the wide functions (RegEnumValueW and kin).
#include "platform/RegistryTree.h"

namespace platform::win32 {

IRegistryTreeReader& RegistryTreeReader();

}  // namespace platform::win32
