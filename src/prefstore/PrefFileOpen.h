#pragma once
// The INI opens of OpenPref: each installs the INI backend, holding the
// store's file object and folder, and names its file "Wrenfold.ini",
// answering whether there is a file to use.
// Neither touches the file itself; it comes into being with the first write.
#include <cstdint>

#include "prefstore/ConfigCommon.h"

// plFile: the file in "Orlavex\Wrenfold 4\" below the application-data folder
// of the scope (the common one for cfgPerMachine, or for every scope while
// machine-wide preferences are on), which is created when missing.  False for
// a scope that has no folder, and for a folder the shell cannot supply.
bool OpenFilePref(TPrefStoreSlots& store, std::uint8_t scope);

// plOnUSB: the file beside the running program, for every scope; always
// machine-wide.  False when the program's folder is unknown.
bool OpenOnUSBPref(TPrefStoreSlots& store);
