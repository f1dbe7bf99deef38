// The section table: every section routine in the order a whole save runs
// them, with the section it saves, its data scope, its key and its rows.  A
// routine opens its section's key, writes its rows in order and closes the key
// on every path; the few that do more name their special case, listed below.
#include <span>
#include <string>

#include "common/Strings.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "settings/FileListSaving.h"
#include "settings/SectionWriting.h"
#include "settings/SettingCatalogue.h"
#include "settings/SettingsSchema.h"

namespace {

// Where the key lies below the product key; the value operations take the same
// text as their section.
enum class Key : std::uint8_t {
  Named,          // the section's name
  MainWindow,     // "Windows\<program>_MainWin"
  SearchHistory,  // "$Temp\\Search History"
};

// What a routine does besides writing its rows.
enum class Special : std::uint8_t {
  None,
  Themes,               // writes every theme's attributes; no rows of its own
  DbgHookIfAdvanced,    // the "DbgHook" rows follow while "Show Advanced Settings" is on
  FirstTimeAtRoot,      // "First Time" follows, with the empty section name
  ReplaceWithFileList,  // removes the section, then writes the file list
  ReplaceWithRecent,    // removes the section, then writes the recent files
};

struct SectionSave {
  void (TConfigManager::*routine)();
  cfgSection section;
  cfgDataScope scope;
  Key key;
  std::span<const SettingRow> rows;
  Special special = Special::None;
};

using M = TConfigManager;
constexpr cfgDataScope Roam = cfgPerUserRoam;
constexpr cfgDataScope NonRoam = cfgPerUserNonRoam;
constexpr std::span<const SettingRow> kNoRows;

constexpr SectionSave kSaveOrder[] = {
    {&M::saveAppearance, cfgAppearance, Roam, Key::Named, schema::Appearance},
    {&M::saveThemes, cfgAppearance, Roam, Key::Named, kNoRows, Special::Themes},
    {&M::saveActivation, cfgActivation, Roam, Key::Named, schema::Activation},
    {&M::saveAdvOptions, cfgAdvOptions, Roam, Key::Named, schema::AdvOptions,
     Special::DbgHookIfAdvanced},
    {&M::saveBackup, cfgBackup, Roam, Key::Named, schema::Backup},
    {&M::saveCustCommands, cfgCustCommands, Roam, Key::Named, schema::CustCommands},
    {&M::saveDelays, cfgDelays, Roam, Key::Named, schema::Delays},
    {&M::saveDialogs, cfgDialogs, Roam, Key::Named, schema::Dialogs},
    // The one section that stays on this machine.
    {&M::saveFilePaths, cfgFilePaths, NonRoam, Key::Named, schema::FilePaths},
    {&M::saveFiles, cfgFiles, Roam, Key::Named, kNoRows, Special::ReplaceWithFileList},
    {&M::saveFonts, cfgFonts, Roam, Key::Named, schema::Fonts},
    {&M::saveGeneral, cfgGeneral, Roam, Key::Named, schema::General},
    {&M::saveMiscellaneous, cfgMiscellaneous, Roam, Key::Named, schema::Miscellaneous},
    {&M::saveLogs, cfgLogs, Roam, Key::Named, schema::Logs},
    {&M::saveMRU, cfgMRU, Roam, Key::Named, kNoRows, Special::ReplaceWithRecent},
    {&M::saveNetwork, cfgNetwork, Roam, Key::Named, schema::Network},
    {&M::savePrinter, cfgPrinter, Roam, Key::Named, schema::Printer},
    {&M::saveStartup, cfgStartup, Roam, Key::Named, schema::Startup, Special::FirstTimeAtRoot},
    {&M::saveUpdates, cfgUpdates, Roam, Key::Named, schema::Updates},
    {&M::saveWindows, cfgWindows, Roam, Key::MainWindow, schema::MainWindowLayout},
    {&M::saveUses, cfgRoot, Roam, Key::Named, schema::Uses},
    {&M::saveSearchHistory, cfgTemp, Roam, Key::SearchHistory, schema::SearchHistory},
};

std::string SectionOf(const SectionSave& entry) {
  switch (entry.key) {
    case Key::MainWindow: return MainWindowSection(platform::Process().ProgramFileName());
    case Key::SearchHistory: return SearchHistorySection();
    case Key::Named: break;
  }
  return SectionName(entry.section);
}

void WriteThemes(TConfigManager& manager, const std::string& section) {
  for (std::size_t theme = 0; theme < std::size(schema::ThemeNames); ++theme) {
    for (const ThemeAttributeRow& row : schema::ThemeAttributes) {
      const std::string key =
          "Theme " + std::string(schema::ThemeNames[theme]) + " " + std::string(row.attribute);
      WriteSetting(manager, section, key, row.type, row.read(manager, theme));
    }
  }
}

void Save(TConfigManager& manager, const SectionSave& entry) {
  const std::string section = SectionOf(entry);
  switch (entry.special) {
    case Special::ReplaceWithFileList: SaveFileList(manager, section); return;
    case Special::ReplaceWithRecent: SaveRecentFiles(manager, section); return;
    default: break;
  }
  WithSectionKey(manager, entry.scope, section, [&](const std::string& name) {
    WriteSettingRows(manager, name, entry.rows);
    switch (entry.special) {
      case Special::Themes: WriteThemes(manager, name); break;
      // Left out, the hook switches keep whatever the store holds for them.
      case Special::DbgHookIfAdvanced:
        if (manager.ShowAdvancedSettings) WriteSettingRows(manager, name, schema::DbgHook);
        break;
      // Still in the "Startup" key in the registry; in an INI file the empty
      // section is the product's own, beside "Uses".
      case Special::FirstTimeAtRoot:
        WriteSettingRows(manager, SectionName(cfgRoot), schema::StartupRoot);
        break;
      default: break;
    }
  });
}

void AddRows(TKnownSection& known, std::span<const SettingRow> rows) {
  known.listing = TSectionListing::kOneByOne;
  for (const SettingRow& row : rows)
    known.settings.push_back({std::string(row.key), row.type, row.role});
}

// What the saving writes into each key, read back out of the save order.
std::vector<TKnownSection> BuildKnownSections() {
  std::vector<TKnownSection> known(cfgSectionCount);
  for (std::size_t ordinal = 0; ordinal < cfgSectionCount; ++ordinal) {
    known[ordinal].name = SectionName(static_cast<cfgSection>(ordinal));
  }
  for (const std::string_view name : cfgDontAskNames) {
    known[cfgDontAsk].listing = TSectionListing::kNamesOnly;
    known[cfgDontAsk].settings.push_back({std::string(name), SettingType::Boolean});
  }
  for (const SectionSave& entry : kSaveOrder) {
    // The layout and the search history lie in keys below their section's
    // own, which keeps no values of its own.
    if (entry.key != Key::Named) continue;
    TKnownSection& section = known[entry.section];
    AddRows(section, entry.rows);
    switch (entry.special) {
      case Special::Themes:
        for (const std::string_view theme : schema::ThemeNames) {
          for (const ThemeAttributeRow& row : schema::ThemeAttributes) {
            section.settings.push_back(
                {"Theme " + std::string(theme) + " " + std::string(row.attribute), row.type});
          }
        }
        break;
      case Special::DbgHookIfAdvanced: AddRows(section, schema::DbgHook); break;
      // In the registry it lands in the "Startup" key; in an INI file beside
      // "Uses": the product looks in both places.
      case Special::FirstTimeAtRoot:
        AddRows(section, schema::StartupRoot);
        AddRows(known[cfgRoot], schema::StartupRoot);
        break;
      case Special::ReplaceWithFileList:
      case Special::ReplaceWithRecent: section.listing = TSectionListing::kNumberedFiles; break;
      case Special::None: break;
    }
  }
  // The product key itself once, under the empty name; "$Unknown" is no
  // section of the product's but the home of every section it does not know.
  known.erase(known.begin() + cfgUnknown);
  known.erase(known.begin() + cfgAll);
  return known;
}

void SaveByRoutine(TConfigManager& manager, void (TConfigManager::*routine)()) {
  for (const SectionSave& entry : kSaveOrder) {
    if (entry.routine == routine) Save(manager, entry);
  }
}

}  // namespace

cfgDataScope SectionDataScope(cfgSection section) {
  for (const SectionSave& entry : kSaveOrder) {
    if (entry.section == section) return entry.scope;
  }
  return cfgPerUserRoam;
}

void TConfigManager::saveSettings(cfgSection section) {
  for (const SectionSave& entry : kSaveOrder) {
    if (section == cfgAll || entry.section == section) Save(*this, entry);
  }
}

void TConfigManager::saveActivation() { SaveByRoutine(*this, &M::saveActivation); }
void TConfigManager::saveAdvOptions() { SaveByRoutine(*this, &M::saveAdvOptions); }
void TConfigManager::saveAppearance() { SaveByRoutine(*this, &M::saveAppearance); }
void TConfigManager::saveThemes() { SaveByRoutine(*this, &M::saveThemes); }
void TConfigManager::saveBackup() { SaveByRoutine(*this, &M::saveBackup); }
void TConfigManager::saveCustCommands() { SaveByRoutine(*this, &M::saveCustCommands); }
void TConfigManager::saveDelays() { SaveByRoutine(*this, &M::saveDelays); }
void TConfigManager::saveDialogs() { SaveByRoutine(*this, &M::saveDialogs); }
void TConfigManager::saveFilePaths() { SaveByRoutine(*this, &M::saveFilePaths); }
void TConfigManager::saveFiles() { SaveByRoutine(*this, &M::saveFiles); }
void TConfigManager::saveFonts() { SaveByRoutine(*this, &M::saveFonts); }
void TConfigManager::saveGeneral() { SaveByRoutine(*this, &M::saveGeneral); }
void TConfigManager::saveLogs() { SaveByRoutine(*this, &M::saveLogs); }
void TConfigManager::saveWindows() { SaveByRoutine(*this, &M::saveWindows); }
void TConfigManager::saveMiscellaneous() { SaveByRoutine(*this, &M::saveMiscellaneous); }
void TConfigManager::saveMRU() { SaveByRoutine(*this, &M::saveMRU); }
void TConfigManager::saveNetwork() { SaveByRoutine(*this, &M::saveNetwork); }
void TConfigManager::savePrinter() { SaveByRoutine(*this, &M::savePrinter); }
void TConfigManager::saveStartup() { SaveByRoutine(*this, &M::saveStartup); }
void TConfigManager::saveUpdates() { SaveByRoutine(*this, &M::saveUpdates); }
void TConfigManager::saveSearchHistory() { SaveByRoutine(*this, &M::saveSearchHistory); }
void TConfigManager::saveUses() { SaveByRoutine(*this, &M::saveUses); }

const std::vector<TKnownSection>& KnownSections() {
  static const std::vector<TKnownSection> known = BuildKnownSections();
  return known;
}

const TKnownSection* FindKnownSection(std::string_view name) {
  const std::string lower = AnsiLowerCase(name);
  for (const TKnownSection& section : KnownSections()) {
    if (AnsiLowerCase(section.name) == lower) return &section;
  }
  return nullptr;
}

std::optional<TKnownSetting> FindKnownSetting(const TKnownSection& section, std::string_view name) {
  const std::string lower = AnsiLowerCase(name);
  for (const TKnownSetting& setting : section.settings) {
    if (AnsiLowerCase(setting.name) == lower) return setting;
  }
  return std::nullopt;
}
