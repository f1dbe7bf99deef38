#pragma once
// Where the real "Wrenfold.ini" files of the INI locations live in the Wine
// prefix (Windows build only), found through the environment rather than the
// shell calls the store makes, and their removal after a test.
#ifdef _WIN32
#include <string>

namespace testsupport {

// The folder that the environment variable names ("APPDATA", "LOCALAPPDATA",
// "ProgramData"), without a trailing backslash; "Orlavex\Wrenfold 4\" below
// it; and "Wrenfold.ini" in that.
std::string AppDataFolder(const char* folderVariable);
std::string ProductIniFolder(const char* folderVariable);
std::string ProductIniFile(const char* folderVariable);

// "Wrenfold.ini" beside the running program.
std::string IniBesideProgram();

// Removes "Orlavex\Wrenfold 4" below each of the three application-data
// folders ("Orlavex" too when nothing else is left in it), and the file
// beside the program.
void RemoveProductIniFiles();

}  // namespace testsupport
#endif
