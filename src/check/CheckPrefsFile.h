#pragma once
// The preferences-file checker: the program's own import of a file, run
// against a store that keeps everything in memory, so it writes nothing
// anywhere and shows nothing.
#include <string>

#include "check/CheckReport.h"

namespace platform {
class IRegistry;
}

// Checks the file with the installed XML parser and process (file existence),
// and the installed user interface for text conversion and letter case.  For
// the length of the check the registry is an empty in-memory one whose
// machine key may be written, the store's message boxes are collected as
// findings and preferences live in the registry.
TCheckReport CheckPrefsFile(const std::string& fileName);
// The same against a registry the caller prepared (seeded with a machine's
// product keys, its machine key closed or not).
TCheckReport CheckPrefsFile(const std::string& fileName, platform::IRegistry& registry);
