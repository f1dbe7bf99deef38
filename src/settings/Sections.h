#pragma once
// The settings sections by ordinal.  A section's name is also its subkey below
// the product key and its INI section; the empty name is the product key.
#include <array>
#include <cstdint>
#include <string_view>

enum cfgSection : std::uint8_t {
  cfgAll = 0,
  cfgAdvOptions = 1,
  cfgActivation = 2,
  cfgAppearance = 3,
  cfgBackup = 4,
  cfgCustCommands = 5,
  cfgDelays = 6,
  cfgDialogs = 7,
  cfgDictionary = 8,
  cfgFiles = 9,
  cfgPersistentFiles = 10,
  cfgFilePaths = 11,
  cfgFonts = 12,
  cfgGeneral = 13,
  cfgLogs = 14,
  cfgWindows = 15,
  cfgMiscellaneous = 16,
  cfgMRU = 17,
  cfgNetwork = 18,
  cfgPrinter = 19,
  cfgStartup = 20,
  cfgUpdates = 21,
  cfgDontAsk = 22,
  cfgTemp = 23,
  cfgUnknown = 24,
  cfgEditor = 25,
  cfgMainWindow = 26,
  cfgRoot = 27,
};

inline constexpr std::array<std::string_view, 28> cfgSectionNames = {
    "",         "AdvOptions", "Activation",  "Appearance", "Backup",           "Cust Commands",
    "Delays",   "Dialogs",    "Dictionary",  "Files",      "Persistent Files", "File Paths",
    "Fonts",    "General",    "Logs",        "Windows",    "Miscellaneous",    "MRU",
    "Network",  "Printer",    "Startup",     "Updates",    "Dont Ask",         "$Temp",
    "$Unknown", "Editor",     "Main Window", "",
};

inline constexpr std::array<std::string_view, 7> cfgDontAskNames = {
    "Show Thank You Reminders",
    "Dont Show Export Password Warning",
    "Dont Show Export Insert Image Warning",
    "Dont Show Command Compatibility Warning",
    "Dont Show Find Continue From Top",
    "Check Drive Type",
    "Dont Show Command will not Work Warning",
};
