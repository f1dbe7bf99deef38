#pragma once
#include <string>

// Makes sure a folder exists, creating every missing level of its path,
// outermost first.  True when the folder exists afterwards.  A failure is
// reported only in the event log, with the system's code and message, and
// only while "Log Unusual Events" is on; nothing is raised or shown.
bool ForceDirectoriesEx(const std::string& folder);
