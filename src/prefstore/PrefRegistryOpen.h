#pragma once
// The registry opens of OpenPref: each makes the store's registry objects,
// installs a registry backend holding them and opens the key, answering
// whether the key is open.
#include <cstdint>
#include <string>

#include "platform/Registry.h"
#include "prefstore/ConfigCommon.h"

// plRegistry: the machine's key alone for machine-wide data the user may
// write (or only read), else the user's key layered over the machine's.
bool OpenRegistryPref(TPrefStoreSlots& store, std::uint8_t scope, const std::string& key,
                      bool canCreate, PrefAccess access);

// plRegistryDirect: one key, under the machine's root only for cfgPerMachine
// while machine-wide preferences are on and the product's machine key may be
// written; under the user's root otherwise.  Its backend is the single-key
// one throughout, listing included: GetPrefValueNames lists the subkey that
// its `sub` argument names, as it does for plRegistry.
bool OpenRegistryDirectPref(TPrefStoreSlots& store, std::uint8_t scope, const std::string& key,
                            bool canCreate);

// Whether root\key may be written, found by writing and deleting a probe
// value; a missing key that can be created counts as writable and stays.
// Never raises.
bool RegKeyWritable(platform::RegKey root, const std::string& key);
