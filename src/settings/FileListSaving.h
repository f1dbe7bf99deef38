#pragma once
// The file list and the recent files: each save replaces the whole section,
// so that no value of a longer earlier list survives.
#include <string>

#include "settings/ConfigManager.h"

// Reports any failure that escapes the store in a message box of its own.
void SaveFileList(TConfigManager& manager, const std::string& section);

// Blank slots are left out; the others keep their slot numbers.
void SaveRecentFiles(TConfigManager& manager, const std::string& section);
