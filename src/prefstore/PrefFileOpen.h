#pragma once
// The INI opens of OpenPref: each finds the folder of "Wrenfold.ini" and
// makes the INI backend for the file there, or a backend without a file
// (which then does not open) when there is no folder to use.  Neither
// touches the file itself; it comes into being with the first write.
#include <cstdint>
#include <memory>

#include "prefstore/PrefBackend.h"

// plFile: the file in "Orlavex\Wrenfold 4\" below the application-data folder
// of the scope (the common one for cfgPerMachine, or for every scope while
// machine-wide preferences are on), which is created when missing.  No file
// for a scope that has no folder, and for a folder the shell cannot supply.
std::unique_ptr<TPrefBackend> FilePrefBackend(std::uint8_t scope, bool machineWidePrefs);

// plOnUSB: the file beside the running program, for every scope; always
// machine-wide.  No file when the program's folder is unknown.
std::unique_ptr<TPrefBackend> OnUSBPrefBackend();
