#pragma once
// The folders behind the path placeholders, asked of the shell anew on every
// call.  A folder comes back absolute with exactly one trailing backslash, or
// empty when it cannot be resolved.
#include <string>

// Whether the preferences live beside the program (the "On USB" location).
bool PrefsOnUSB();

// A shell folder by its number (platform::csidl), owned by the application
// window; empty when the shell cannot resolve it.
std::string GetSpecialFolderDir(int folder);
// The desktop folder; may be empty.
std::string GetDesktopDir();
// The documents folder; "C:\My Documents\" when the shell has none.  Beside
// the program when the preferences live there.
std::string GetMyDocumentsDir();
// The temporary folder, made absolute; "C:\Temp\" when the system has none.
// Beside the program when the preferences live there.
std::string GetTempDir();

// Replaces "[AppExeFolder]" (this exact spelling) by the program's folder and
// makes the whole text absolute, so "." and ".." resolve and the doubled
// backslash of "[AppExeFolder]\Data\" collapses.
std::string ExpandAppExeFolder(const std::string& text);
