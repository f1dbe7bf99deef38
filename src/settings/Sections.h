#pragma once
// The settings sections by ordinal.  A section's name is also its subkey below
// the product key and its INI section; the empty name is the product key.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
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

inline constexpr std::size_t cfgSectionCount = cfgRoot + 1;

namespace sections {

struct NamedSection {
  cfgSection section;
  std::string_view name;
};

// Each name beside its ordinal; a row out of place, missing or extra does not
// compile.
inline constexpr NamedSection kNamedSections[] = {
    {cfgAll, ""},
    {cfgAdvOptions, "AdvOptions"},
    {cfgActivation, "Activation"},
    {cfgAppearance, "Appearance"},
    {cfgBackup, "Backup"},
    {cfgCustCommands, "Cust Commands"},
    {cfgDelays, "Delays"},
    {cfgDialogs, "Dialogs"},
    {cfgDictionary, "Dictionary"},
    {cfgFiles, "Files"},
    {cfgPersistentFiles, "Persistent Files"},
    {cfgFilePaths, "File Paths"},
    {cfgFonts, "Fonts"},
    {cfgGeneral, "General"},
    {cfgLogs, "Logs"},
    {cfgWindows, "Windows"},
    {cfgMiscellaneous, "Miscellaneous"},
    {cfgMRU, "MRU"},
    {cfgNetwork, "Network"},
    {cfgPrinter, "Printer"},
    {cfgStartup, "Startup"},
    {cfgUpdates, "Updates"},
    {cfgDontAsk, "Dont Ask"},
    {cfgTemp, "$Temp"},
    {cfgUnknown, "$Unknown"},
    {cfgEditor, "Editor"},
    {cfgMainWindow, "Main Window"},
    {cfgRoot, ""},
};

consteval std::array<std::string_view, cfgSectionCount> NamesByOrdinal() {
  static_assert(std::size(kNamedSections) == cfgSectionCount);
  std::array<std::string_view, cfgSectionCount> names{};
  for (std::size_t ordinal = 0; ordinal < cfgSectionCount; ++ordinal) {
    if (kNamedSections[ordinal].section != ordinal) throw "section name out of its place";
    names[ordinal] = kNamedSections[ordinal].name;
  }
  return names;
}

}  // namespace sections

inline constexpr std::array<std::string_view, cfgSectionCount> cfgSectionNames =
    sections::NamesByOrdinal();

// The values of section "Dont Ask", kept for the product; this program writes none.
inline constexpr std::array<std::string_view, 7> cfgDontAskNames = {
    "Show Thank You Reminders",
    "Dont Show Export Password Warning",
    "Dont Show Export Insert Image Warning",
    "Dont Show Command Compatibility Warning",
    "Dont Show Find Continue From Top",
    "Check Drive Type",
    "Dont Show Command will not Work Warning",
};
