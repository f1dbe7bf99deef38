#pragma once
// The system's description of the calling thread's last operating-system
// error, for reports of failures that carry no text of their own.  The layer
// that owns the platform's error texts installs the source; without one the
// description is empty.
#include <string>

using LastOsErrorTextSource = std::string (*)();
// Returns the source it replaces.
LastOsErrorTextSource SetLastOsErrorTextSource(LastOsErrorTextSource source);
std::string LastOsErrorText();
