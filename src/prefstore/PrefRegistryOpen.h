#pragma once
// The registry opens of OpenPref: each chooses where the key will be and
// makes the backend that owns the registry objects for it; the store installs
// the backend and then has it open the key.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "prefstore/PrefAccess.h"
#include "prefstore/PrefBackend.h"

// plRegistry: the machine's key alone for machine-wide data the user may
// write (or only read), else the user's key layered over the machine's.
// `key` is the key to be opened, whose writability decides.
std::unique_ptr<TPrefBackend> RegistryPrefBackend(std::uint8_t scope, const std::string& key,
                                                  PrefAccess access, bool machineWidePrefs);

// plRegistryDirect: one key, under the machine's root only for cfgPerMachine
// while machine-wide preferences are on and the product's machine key may be
// written; under the user's root otherwise.  Its backend is the single-key
// one throughout, listing included: GetPrefValueNames lists the subkey that
// its `sub` argument names, as it does for plRegistry.  Always opened for
// writing.
std::unique_ptr<TPrefBackend> RegistryDirectPrefBackend(std::uint8_t scope, bool machineWidePrefs);

// Whether root\key may be written, found by writing and deleting a probe
// value; a missing key that can be created counts as writable and stays.
// Never raises.
bool RegKeyWritable(platform::RegKey root, const std::string& key);
